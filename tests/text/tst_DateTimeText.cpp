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
        QTest::addColumn<int>("offsetSeconds");
        QTest::addColumn<QString>("offsetText");
        QTest::addColumn<QString>("dateTimeText");

        QTest::newRow("UTC") << 0 << "(UTC)" << "05.03.2019 14:07:00 (UTC)";
        QTest::newRow("whole hours east") << 3 * 3600 << "(UTC +3)" << "05.03.2019 14:07:00 (UTC +3)";
        QTest::newRow("whole hours west") << -5 * 3600 << "(UTC -5)" << "05.03.2019 14:07:00 (UTC -5)";
        QTest::newRow("half hour east") << 5 * 3600 + 1800 << "(UTC +5:30)" << "05.03.2019 14:07:00 (UTC +5:30)";
        QTest::newRow("quarter hour, no leading zero") << 5 * 3600 + 45 * 60 << "(UTC +5:45)"
                                                       << "05.03.2019 14:07:00 (UTC +5:45)";
        QTest::newRow("half hour west keeps the sign") << -(3 * 3600 + 1800) << "(UTC -3:30)"
                                                       << "05.03.2019 14:07:00 (UTC -3:30)";
        QTest::newRow("under an hour west") << -1800 << "(UTC -0:30)" << "05.03.2019 14:07:00 (UTC -0:30)";
    }

    void texts()
    {
        QFETCH(int, offsetSeconds);
        QFETCH(QString, offsetText);
        QFETCH(QString, dateTimeText);
        const QDateTime time(QDate(2019, 3, 5), QTime(14, 7), Qt::OffsetFromUTC, offsetSeconds);
        QCOMPARE(pluginGui::UtcOffsetText(time), offsetText);
        QCOMPARE(pluginGui::DateTimeText(time), dateTimeText);
    }

    void zoneTimeShowsItsOwnOffset()
    {
        const QDateTime summer(QDate(2019, 7, 1), QTime(9, 0), QTimeZone("Europe/Kiev"));
        QCOMPARE(pluginGui::DateTimeText(summer), QString("01.07.2019 09:00:00 (UTC +3)"));
    }

    void digitsStayEnglishInAnyLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QDateTime time(QDate(2019, 3, 5), QTime(14, 7), Qt::UTC);
        const QString text = pluginGui::DateTimeText(time);
        QLocale::setDefault(previous);
        QCOMPARE(text, QString("05.03.2019 14:07:00 (UTC)"));
    }
};

MAPS_TEST_CLASS(DateTimeTextTest);

#include "tst_DateTimeText.moc"
