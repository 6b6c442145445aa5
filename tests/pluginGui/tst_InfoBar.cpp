#include "support/TestRegistry.h"

#include "pluginGui/DateStatistics.h"
#include "pluginGui/InfoBarElidedLabel.h"
#include "pluginGui/InfoBarWidget.h"
#include "pluginGui/TextPartDocument.h"

#include <QStandardItemModel>
#include <QTest>
#include <QTimeZone>

using pluginGui::InfoBarStatGroups;

namespace {

constexpr int DateColumn = 1;
constexpr int DateRole = Qt::UserRole + 1;

QDateTime Utc(const char* text)
{
    QDateTime dateTime = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
    dateTime.setTimeSpec(Qt::UTC);
    return dateTime;
}

// One row per date; a null entry stands for a record without a date.
void Fill(QStandardItemModel& model, const QList<QDateTime>& dates)
{
    for (const QDateTime& date : dates) {
        auto* dateItem = new QStandardItem;
        dateItem->setData(date, DateRole);
        model.appendRow({new QStandardItem(QStringLiteral("record")), dateItem});
    }
}

// "label=value(kind)|" per line, "/" between groups.
QString Flatten(const InfoBarStatGroups& groups)
{
    QStringList flattened;
    for (const auto& group : groups) {
        QString lines;
        for (const pluginGui::InfoBarStatInfo& info : group)
            lines += QStringLiteral("%1=%2(%3)|").arg(info.label, info.value).arg(info.kind);
        flattened.append(lines);
    }
    return flattened.join(QLatin1Char('/'));
}

InfoBarStatGroups Collect(const QList<QDateTime>& dates, const pluginGui::StatisticsBuilder& builder,
                          const QTimeZone& zone = QTimeZone::utc())
{
    QStandardItemModel model;
    Fill(model, dates);
    InfoBarStatGroups groups;
    pluginGui::CollectDateStatistics(model, DateColumn, QModelIndex(), pluginGui::StatisticsDateFormatter(zone),
                                     builder, groups);
    return groups;
}

QList<pluginGui::InfoBarElidedLabel*> Values(const pluginGui::InfoBarWidget& bar)
{
    return bar.findChildren<pluginGui::InfoBarElidedLabel*>();
}

QString ValueTexts(const pluginGui::InfoBarWidget& bar)
{
    QString texts;
    for (const pluginGui::InfoBarElidedLabel* value : Values(bar))
        texts += value->GetPlainText() + QLatin1Char('|');
    return texts;
}

} // namespace

class InfoBarTest : public QObject {
    Q_OBJECT

private slots:
    void filteredStatistics_data()
    {
        QTest::addColumn<QList<QDateTime>>("dates");
        QTest::addColumn<QString>("expected");
        const QString none;
        QTest::newRow("empty table") << QList<QDateTime>{} << none;
        QTest::newRow("no valid date: not even the count")
            << QList<QDateTime>{QDateTime(), QDateTime(QDate(2019, 2, 31), QTime(1, 0))} << none;
        QTest::newRow("one record is oldest and most recent")
            << QList<QDateTime>{Utc("2019-03-05T14:07:33")}
            << "Shown (filtered): =1(4)|Most recent filtered: =05.03.2019 14:07:33 (UTC)(4)|"
               "Oldest filtered: =05.03.2019 14:07:33 (UTC)(4)|";
        QTest::newRow("null dates skipped, every row counted")
            << QList<QDateTime>{QDateTime(), Utc("2019-03-05T14:07:33"), QDateTime(), Utc("2018-12-31T23:59:59"),
                                Utc("2020-01-01T00:00:00")}
            << "Shown (filtered): =5(4)|Most recent filtered: =01.01.2020 00:00:00 (UTC)(4)|"
               "Oldest filtered: =31.12.2018 23:59:59 (UTC)(4)|";
    }

    void filteredStatistics()
    {
        QFETCH(QList<QDateTime>, dates);
        QTEST(Flatten(Collect(dates, pluginGui::BuildFilteredStatistics)), "expected");
    }

    void totalStatisticsAreShownTwiceInTheViewsZone()
    {
        const InfoBarStatGroups groups = Collect({Utc("2019-03-05T11:07:33"), Utc("2019-03-06T11:00:00")},
                                                 pluginGui::BuildTotalStatistics, QTimeZone(3 * 3600));
        QCOMPARE(Flatten(groups),
                 QStringLiteral("Records: =2(3)|Most recent: =06.03.2019 14:00:00 (UTC +3)(3)|"
                                "Oldest: =05.03.2019 14:07:33 (UTC +3)(3)|/"
                                "Shown (filtered): =2(4)|Most recent filtered: =06.03.2019 14:00:00 (UTC +3)(4)|"
                                "Oldest filtered: =05.03.2019 14:07:33 (UTC +3)(4)|"));
    }

    void updateChangesOnlyRecordedLinesAndSetReplacesThemAll()
    {
        pluginGui::InfoBarWidget bar(nullptr);
        bar.SetStatistics({{{"Records: ", "2", pluginGui::Statistics}, {"Case: ", "Harbour", pluginGui::PlainUpdatable}},
                           {{"Shown (filtered): ", "2", pluginGui::StatisticsUpdatable}}});
        QCOMPARE(ValueTexts(bar), QStringLiteral("2|Harbour|2|"));

        bar.UpdateStatistics({{{"Records: ", "9", pluginGui::Statistics},
                               {"Unknown: ", "7", pluginGui::StatisticsUpdatable},
                               {"Shown (filtered): ", "1", pluginGui::StatisticsUpdatable},
                               {"Case: ", "Airport", pluginGui::PlainUpdatable}}});
        QCOMPARE(ValueTexts(bar), QStringLiteral("2|Airport|1|"));

        bar.SetStatistics({{{"Shown (filtered): ", "1", pluginGui::StatisticsUpdatable}}});
        QCOMPARE(ValueTexts(bar), QStringLiteral("1|"));
        bar.UpdateStatistics({{{"Shown (filtered): ", "0", pluginGui::StatisticsUpdatable}}});
        QCOMPARE(ValueTexts(bar), QStringLiteral("0|"));
    }

    void valueIsElidedWithTheFullTextAsToolTip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<bool>("cut");
        const QString street = QStringLiteral("Harbour Street 12, 10115 Berlin, Germany");
        QTest::newRow("too wide") << street << street << true;
        QTest::newRow("fits: no tool tip") << "12" << "12" << false;
        QTest::newRow("a link keeps its markup")
            << "<a href=\"https://maps.apple.com/?ll=52.52,13.40\">https://maps.apple.com/?ll=52.520008,13.404954</a>"
            << "https://maps.apple.com/?ll=52.520008,13.404954" << true;
    }

    void valueIsElidedWithTheFullTextAsToolTip()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QFETCH(bool, cut);
        QWidget line;
        line.resize(140, 20);
        auto* value = new pluginGui::InfoBarElidedLabel(&line, Qt::ElideRight);
        value->SetText(text);
        value->setGeometry(20, 0, 200, 20);

        if (cut) {
            QVERIFY(value->text().startsWith(text.left(text.indexOf(QLatin1Char('>')) + 1)));
            const QString closing = text.endsWith(QLatin1String("</a>")) ? QStringLiteral("</a>") : QString();
            QVERIFY(value->text().endsWith(QChar(0x2026) + closing));
            QVERIFY(value->text().length() < text.length());
        } else {
            QCOMPARE(value->text(), text);
        }
        QCOMPARE(value->toolTip(), cut ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(plain) : QString());
        QCOMPARE(value->GetPlainText(), plain);
    }

    void valueSplitsAroundItsLastLink_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("partTexts");
        QTest::newRow("no link") << "Shown 7 of 10" << QStringList{"Shown 7 of 10"};
        QTest::newRow("two links: only the second is split out")
            << "<a href=\"#0\">first</a> and <a href=\"#1\">second</a>!"
            << QStringList{"<a href=\"#0\">first</a> and ", "<a href=\"#1\">second</a>", "!"};
    }

    void valueSplitsAroundItsLastLink()
    {
        QFETCH(QString, html);
        pluginGui::TextPartDocument document;
        // What a parse leaves must not outlive the next one.
        QVERIFY(document.Parse("a <a href=\"#\">b</a> c"));
        QVERIFY(document.Parse(html));
        QStringList texts;
        for (const auto& part : document.GetParts())
            texts.append(part->GetText());
        QTEST(texts, "partTexts");
        QCOMPARE(document.ToHtml(), html);
    }
};

MAPS_TEST_CLASS(InfoBarTest);
#include "tst_InfoBar.moc"
