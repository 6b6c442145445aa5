#include "support/TestRegistry.h"

#include "cmn/BaseException.h"
#include "cmn/ErrorCode.h"
#include "cmn/ErrorMessages.h"
#include "cmn/FileSystemException.h"
#include "cmn/SystemErrorException.h"
#include "cmn/db/SqlException.h"

#include <QTest>

#include <cstring>

class ExceptionsTest : public QObject {
    Q_OBJECT

private slots:
    void messageTable_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("no error") << 0u << "No error";
        QTest::newRow("no free space") << 57u << "There is no free space left on the device";
        QTest::newRow("last entry") << 253u << "Apple MobileMe or iCloud error";
        QTest::newRow("gap in the table") << 12u << "Unexpected error: 12. Please contact our development team.";
        QTest::newRow("above the table") << 300u << "Unexpected error: 300. Please contact our development team.";
    }

    void messageTable()
    {
        QFETCH(uint, code);
        QFETCH(QString, message);
        QCOMPARE(QString::fromStdString(cmn::GetErrorMessage(code)), message);
    }

    void emptyLogTextTakesUserText()
    {
        const cmn::BaseException exception(CMN_SOURCE_LOCATION, 4, "user text", "");
        QCOMPARE(exception.GetLogText(), std::string("user text"));
        QCOMPARE(exception.GetUserText(), std::string("user text"));
        QCOMPARE(std::string(exception.what()), std::string("user text"));
    }

    void locationIsTheQualifiedFunction()
    {
        const ulq::cmn::FileSystemCriticalException exception(CMN_SOURCE_LOCATION, "user", L"/tmp/x", "log");
        QCOMPARE(exception.GetLocation().function, "ExceptionsTest::locationIsTheQualifiedFunction");
        QVERIFY(exception.GetLocation().line > 0);
    }

    void systemErrorMapping_data()
    {
        QTest::addColumn<uint>("systemError");
        QTest::addColumn<uint>("expectedCode");
        QTest::newRow("file exists") << 80u << 55u;
        QTest::newRow("invalid parameter") << 87u << 2u;
        QTest::newRow("disk full") << 112u << 57u;
        QTest::newRow("other keeps the given code") << 5u << 50u;
    }

    void systemErrorMapping()
    {
        QFETCH(uint, systemError);
        QFETCH(uint, expectedCode);
        const cmn::SystemErrorException exception(CMN_SOURCE_LOCATION, 50, "Can't write", systemError);
        QCOMPARE(cmn::CodeOf(exception.GetErrorCode()), expectedCode);
        QCOMPARE(cmn::FacilityOf(exception.GetErrorCode()), 5u);
        QCOMPARE(cmn::DetailOf(exception.GetErrorCode()), systemError);
    }

    void systemErrorLogText()
    {
        const cmn::SystemErrorException known(CMN_SOURCE_LOCATION, 50, "Can't write", 2);
        QCOMPARE(QString::fromStdString(known.GetLogText()),
                 QString("User message: Can't write. System error code: 0x2. System error message: %1")
                     .arg(std::strerror(2)));

        const cmn::SystemErrorException unknown(CMN_SOURCE_LOCATION, 50, "Can't write", 0xBEEF);
        QCOMPARE(unknown.GetLogText(), std::string("User message: Can't write. System error code: 0xbeef. "
                                                   "System error message: Failed to get message from error code beef"));
    }

    void sqlException_data()
    {
        QTest::addColumn<int>("sqlError");
        QTest::addColumn<QString>("logText");
        QTest::newRow("query failure") << 31 << "An error occurred while working with SQL database.";
        QTest::newRow("disk full") << 13 << "There is no free space left on the device";
        QTest::newRow("cannot open") << 14 << "The system cannot open database file.";
    }

    void sqlException()
    {
        QFETCH(int, sqlError);
        QFETCH(QString, logText);
        const cmn::db::SqlException exception(CMN_SOURCE_LOCATION, sqlError, "Can't select from DB: x");
        QCOMPARE(QString::fromStdString(exception.GetLogText()), logText);
        QCOMPARE(exception.GetErrorCode(), cmn::MakeErrorCode(sqlError, cmn::Facility::Sql));
        QCOMPARE(exception.GetUserText(), std::string("Can't select from DB: x"));
    }
};

MAPS_TEST_CLASS(ExceptionsTest);

#include "tst_Exceptions.moc"
