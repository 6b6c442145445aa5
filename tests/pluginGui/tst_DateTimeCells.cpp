#include "support/TestRegistry.h"
#include "support/CellPainting.h"

#include "pluginGui/DateTimeHtml.h"
#include "pluginGui/TableQDateTimeDelegateBase.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QTest>
#include <QTextDocument>

namespace {

const QString Ellipsis(QChar(0x2026));
const QString Date = QStringLiteral("05.03.2019");
const QString Time = QStringLiteral("14:07:00");
const QString Zone = QStringLiteral("(UTC +3)");

QString ToPlain(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

class DateTimeCellsTest : public QObject {
    Q_OBJECT

private slots:
    void fitDateTimeGivesUpZoneThenTimeThenDate_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("expectedDate");
        QTest::addColumn<bool>("timeShown");
        QTest::addColumn<bool>("timeCut");
        QTest::addColumn<bool>("zoneShown");
        QTest::addColumn<bool>("zoneCut");
        QTest::newRow("everything fits") << 0 << Date << true << false << true << false;
        QTest::newRow("zone cut") << 1 << Date << true << false << true << true;
        QTest::newRow("zone dropped, time cut") << 2 << Date << true << true << false << false;
        QTest::newRow("only the cut date") << 3 << QString() << false << false << false << false;
    }

    void fitDateTimeGivesUpZoneThenTimeThenDate()
    {
        QFETCH(int, stage);
        QFETCH(QString, expectedDate);

        const QFont font;
        const QFontMetrics metrics(font);
        const int space = metrics.horizontalAdvance(QLatin1Char(' '));
        const int dateWidth = metrics.horizontalAdvance(Date);
        const int timeWidth = metrics.horizontalAdvance(Time);
        const int zoneWidth = metrics.horizontalAdvance(Zone);
        const int widths[] = {dateWidth + timeWidth + zoneWidth + 2 * space, dateWidth + timeWidth + 2 * space + zoneWidth / 2,
                              dateWidth + 2 * space + timeWidth / 2, dateWidth / 2};

        const QStringList words = ToPlain(pluginGui::FitDateTime(Date, Time, Zone, font, widths[stage])).split(QLatin1Char(' '));
        if (!expectedDate.isEmpty()) {
            QCOMPARE(words.value(0), expectedDate);
        } else {
            QVERIFY(words.value(0).endsWith(Ellipsis));
            QVERIFY(Date.startsWith(words.value(0).chopped(1)));
        }
        const QString time = words.value(1);
        QTEST(!time.isEmpty(), "timeShown");
        QTEST(time.endsWith(Ellipsis), "timeCut");
        const QString zone = words.mid(2).join(QLatin1Char(' '));
        QTEST(!zone.isEmpty(), "zoneShown");
        QTEST(zone.endsWith(Ellipsis), "zoneCut");
    }

    void dateCell_data()
    {
        QTest::addColumn<QDateTime>("value");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("drawnPlain");
        const QDate date(2019, 3, 5);
        const QTime time(14, 7);
        QTest::newRow("half hour west") << QDateTime(date, time, Qt::OffsetFromUTC, -(3 * 3600 + 1800))
                                        << "05.03.2019 14:07:00 (UTC -3:30)" << "05.03.2019 14:07:00 (UTC -3:30)";
        QTest::newRow("no date") << QDateTime() << QString() << "No date is found";
    }

    void dateCell()
    {
        QFETCH(QDateTime, value);

        test::CellTable table(400, 1);
        const QModelIndex index = table.model.index(0, 0);
        table.model.setData(index, value);
        test::Recording<pluginGui::TableQDateTimeDelegateBase> delegate(&table.view, QMargins(10, 0, 10, 0), 5, 1, nullptr,
                                                                       nullptr);

        test::PaintCell(delegate, table.OptionFor(index), index);
        QCOMPARE(delegate.drawn.size(), 1);
        QTEST(ToPlain(delegate.drawn.first()), "drawnPlain");

        QString text;
        delegate.CopyText(QPoint(), index, &table.view, &text);
        QTEST(text, "copied");
    }
};

MAPS_TEST_CLASS(DateTimeCellsTest);

#include "tst_DateTimeCells.moc"
