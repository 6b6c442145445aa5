#include "support/TestRegistry.h"

#include "cmn/text/DateTimeText.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>
#include <QTimeZone>

class DateTimeTextTest : public QObject {
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("offsetText");
        QTest::addColumn<QString>("dateTimeText");
        const auto atOffset = [](int seconds) {
            return QDateTime(QDate(2019, 3, 5), QTime(14, 7), Qt::OffsetFromUTC, seconds);
        };
        QTest::newRow("UTC") << atOffset(0) << "(UTC)" << "05.03.2019 14:07:00 (UTC)";
        QTest::newRow("whole hours east") << atOffset(3 * 3600) << "(UTC +3)" << "05.03.2019 14:07:00 (UTC +3)";
        QTest::newRow("quarter hour, no leading zero") << atOffset(5 * 3600 + 45 * 60) << "(UTC +5:45)"
                                                       << "05.03.2019 14:07:00 (UTC +5:45)";
        QTest::newRow("half hour west keeps the sign") << atOffset(-(3 * 3600 + 1800)) << "(UTC -3:30)"
                                                       << "05.03.2019 14:07:00 (UTC -3:30)";
        QTest::newRow("under an hour west") << atOffset(-1800) << "(UTC -0:30)" << "05.03.2019 14:07:00 (UTC -0:30)";
        QTest::newRow("zone time shows its own summer offset")
            << QDateTime(QDate(2019, 7, 1), QTime(9, 0), QTimeZone("Europe/Kiev")) << "(UTC +3)"
            << "01.07.2019 09:00:00 (UTC +3)";
    }

    // Under a locale with digits of its own, so that every row checks the digits stay English.
    void texts()
    {
        QFETCH(QDateTime, time);
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QString offsetText = pluginGui::UtcOffsetText(time);
        const QString dateTimeText = pluginGui::DateTimeText(time);
        QLocale::setDefault(previous);
        QTEST(offsetText, "offsetText");
        QTEST(dateTimeText, "dateTimeText");
    }
};

MAPS_TEST_CLASS(DateTimeTextTest);

#include "tst_DateTimeText.moc"
