#include "support/TestRegistry.h"

#include "cmn/db/CellReaders.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(boost::any)

using cmn::db::Column;
using cmn::db::Int64;

class CellReadersTest : public QObject {
    Q_OBJECT

private slots:
    // Every reader gets a default that no cell holds, so that a default is told from a value.
    void readersTakeOnlyTheirOwnType_data()
    {
        QTest::addColumn<boost::any>("value");
        QTest::addColumn<bool>("isNull");
        QTest::addColumn<qint64>("asInt64");
        QTest::addColumn<double>("asDouble");
        QTest::addColumn<QString>("asString");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("integer") << boost::any(Int64(42)) << false << qint64(42) << -1.5 << "default";
        QTest::newRow("float") << boost::any(55.75) << false << qint64(55) << 55.75 << "default";
        QTest::newRow("negative float truncates toward zero") << boost::any(-2.9) << false << qint64(-2) << -2.9
                                                              << "default";
        QTest::newRow("float above the integer range saturates")
            << boost::any(1e30) << false << std::numeric_limits<qint64>::max() << 1e30 << "default";
        QTest::newRow("float below the integer range saturates")
            << boost::any(-1e30) << false << std::numeric_limits<qint64>::min() << -1e30 << "default";
        QTest::newRow("NaN is no integer") << boost::any(nan) << false << qint64(-1) << nan << "default";
        QTest::newRow("text") << boost::any(std::string("Tverskaya")) << false << qint64(-1) << -1.5 << "Tverskaya";
        QTest::newRow("numeric text is no number") << boost::any(std::string("12")) << false << qint64(-1) << -1.5
                                                   << "12";
        QTest::newRow("empty text") << boost::any(std::string()) << false << qint64(-1) << -1.5 << "";
        QTest::newRow("corrupted text") << boost::any(std::string("<CORRUPTED DATA>")) << false << qint64(-1)
                                        << -1.5 << "default";
        QTest::newRow("corrupted text with a blank") << boost::any(std::string("<CORRUPTED DATA> ")) << false
                                                     << qint64(-1) << -1.5 << "<CORRUPTED DATA> ";
        QTest::newRow("null") << boost::any(cmn::db::SqlNull()) << true << qint64(-1) << -1.5 << "default";
        QTest::newRow("blob") << boost::any(cmn::db::Blob{'4', '2'}) << false << qint64(-1) << -1.5 << "default";
    }

    void readersTakeOnlyTheirOwnType()
    {
        QFETCH(boost::any, value);
        QFETCH(bool, isNull);
        QFETCH(qint64, asInt64);
        QFETCH(double, asDouble);
        QFETCH(QString, asString);
        const Column cell{"column", value};
        QCOMPARE(cmn::db::IsNull(cell), isNull);
        QCOMPARE(cmn::db::GetInt64(cell, -1), asInt64);
        const double read = cmn::db::GetDouble(cell, -1.5);
        QVERIFY(read == asDouble || (qIsNaN(read) && qIsNaN(asDouble)));
        const std::string_view text = cmn::db::GetString(cell, "default");
        QCOMPARE(QString::fromUtf8(text.data(), static_cast<int>(text.size())), asString);
    }
};

MAPS_TEST_CLASS(CellReadersTest);
#include "tst_CellReaders.moc"
