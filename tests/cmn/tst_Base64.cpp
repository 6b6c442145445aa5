#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "cmn/Base64.h"
#include "cmn/BaseException.h"
#include "cmn/ErrorCode.h"

#include <QTest>

namespace utils = ulq::cmn::utils;

class Base64Test : public QObject {
    Q_OBJECT

private slots:
    void knownVectors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("text");
        // RFC 4648, section 10.
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("f") << QByteArray("f") << QByteArray("Zg==");
        QTest::newRow("foo") << QByteArray("foo") << QByteArray("Zm9v");
        QTest::newRow("fooba") << QByteArray("fooba") << QByteArray("Zm9vYmE=");
        QTest::newRow("foobar") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
        QTest::newRow("high bytes use + and /") << QByteArray("\xfb\xff\xbf") << QByteArray("+/+/");
        QTest::newRow("zero bytes") << QByteArray(4, '\0') << QByteArray("AAAAAA==");
    }

    void knownVectors()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, text);
        QCOMPARE(QByteArray::fromStdString(utils::Base64Encode(bytes.toStdString())), text);
        QCOMPARE(QByteArray::fromStdString(utils::Base64Decode(text.toStdString())), bytes);
    }

    void malformedTextIsRejected_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("offset");
        QTest::newRow("length not a multiple of four") << QByteArray("Zm9") << 3;
        QTest::newRow("missing padding") << QByteArray("Zg") << 2;
        QTest::newRow("character outside the alphabet") << QByteArray("Zm9v!mFy") << 4;
        QTest::newRow("line break") << QByteArray("Zm9v\nYmE=") << 9;
        QTest::newRow("padding before the end") << QByteArray("Zg==Zm9v") << 2;
        QTest::newRow("only padding") << QByteArray("====") << 0;
        QTest::newRow("a single padded sextet") << QByteArray("Z===") << 1;
        QTest::newRow("byte above 127") << QByteArray("Zm9\xc3") << 3;
    }

    void malformedTextIsRejected()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, offset);
        const auto failure =
            test::CaughtException<cmn::BaseException>([&] { utils::Base64Decode(text.toStdString()); });
        QVERIFY(failure);
        QCOMPARE(cmn::CodeOf(failure->GetErrorCode()), 4u);
        QCOMPARE(failure->GetUserText(), std::string("Invalid data"));
        QCOMPARE(failure->GetLogText(), "Invalid Base64 text at offset " + std::to_string(offset) + ".");
    }
};

MAPS_TEST_CLASS(Base64Test);

#include "tst_Base64.moc"
