#include "support/TestRegistry.h"

#include "cmn/text/AddressText.h"
#include "cmn/text/DateTimeText.h"
#include "cmn/text/LocationText.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>
#include <QTimeZone>

// The texts that cells, exports and the info bar share. Each runs under a locale whose digits or
// decimal separator differ from the texts' own, which must not leak into them.
class TextHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void dateTimeText_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("text");
        const auto atOffset = [](int seconds) {
            return QDateTime(QDate(2019, 3, 5), QTime(14, 7), Qt::OffsetFromUTC, seconds);
        };
        QTest::newRow("UTC") << atOffset(0) << "05.03.2019 14:07:00 (UTC)";
        QTest::newRow("quarter hour, no leading zero") << atOffset(5 * 3600 + 45 * 60) << "05.03.2019 14:07:00 (UTC +5:45)";
        QTest::newRow("under an hour west keeps the sign") << atOffset(-1800) << "05.03.2019 14:07:00 (UTC -0:30)";
        QTest::newRow("zone time shows its own summer offset")
            << QDateTime(QDate(2019, 7, 1), QTime(9, 0), QTimeZone("Europe/Kiev")) << "01.07.2019 09:00:00 (UTC +3)";
    }

    void dateTimeText()
    {
        QFETCH(QDateTime, time);
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        QTEST(pluginGui::DateTimeText(time), "text");
    }

    void pointText_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QString>("text");
        QTest::newRow("latitude first, seven decimals") << 30.5234 << 50.4501 << "50.4501000 30.5234000 12.5000000";
        QTest::newRow("zero has no decimals") << 30.5 << 0.0 << "0 30.5000000 12.5000000";
        QTest::newRow("rounded to seven") << 1.123456789 << -91.0 << "-91.0000000 1.1234568 12.5000000";
    }

    void pointText()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QLocale::setDefault(QLocale(QLocale::German));
        QTEST(location::PointText({longitude, latitude, 12.5}, true), "text");
    }

    void oneLineAddress_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("every component, in column order") << int(cmn::Address::Resolved)
                                                          << "UA Ukraine Kyiv City Kyiv Khreshchatyk 22 01001 KC";
        QTest::newRow("an unavailable address still shows what it holds")
            << int(cmn::Address::NotAvailable) << "UA Ukraine Kyiv City Kyiv Khreshchatyk 22 01001 KC";
        QTest::newRow("never resolved") << int(cmn::Address::NotResolvedYet) << "";
    }

    void oneLineAddress()
    {
        QFETCH(int, state);
        // Fields in declaration order, which is not the text's.
        const cmn::Address address{"Ukraine", "UA", "Kyiv", "01001", "Khreshchatyk", "22", "Kyiv City", "KC", state};
        QTEST(cmn::OneLineAddressText(address), "text");
    }
};

MAPS_TEST_CLASS(TextHelpersTest);

#include "tst_TextHelpers.moc"
