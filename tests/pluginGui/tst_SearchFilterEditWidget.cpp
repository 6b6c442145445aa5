#include "support/TestRegistry.h"

#include "pluginGui/SearchFilterEditWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using pluginGui::SearchFilterEditWidget;

namespace {

constexpr int SearchPauseMs = 1500;

template <typename Child>
Child* Find(const SearchFilterEditWidget& widget, const char* name)
{
    return widget.findChild<Child*>(QLatin1String(name));
}

} // namespace

class SearchFilterEditWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void typingPauseSendsOneSearchForTheWholeText()
    {
        SearchFilterEditWidget widget;
        QSignalSpy searches(&widget, &SearchFilterEditWidget::SearchTag);
        QSignalSpy counts(&widget, &SearchFilterEditWidget::CountTag);
        QTest::keyClicks(Find<QLineEdit>(widget, "leSearch"), QStringLiteral("abc"));
        QCOMPARE(searches.count(), 0);

        QTRY_COMPARE_WITH_TIMEOUT(searches.count(), 1, 2 * SearchPauseMs);
        QCOMPARE(searches.at(0).at(0).toString(), QStringLiteral("abc"));
        QCOMPARE(counts.count(), 1);

        // Typing while the search runs must not leave a search queued behind its count.
        QTest::keyClicks(Find<QLineEdit>(widget, "leSearch"), QStringLiteral("d"));
        widget.OnCountTag(1);
        QTest::qWait(SearchPauseMs + 300);
        QCOMPARE(searches.count(), 1);
    }

    void returnSearchesAtOnceButNotAgainBeforeTheCount()
    {
        SearchFilterEditWidget widget;
        QSignalSpy searches(&widget, &SearchFilterEditWidget::SearchTag);
        QSignalSpy returns(&widget, &SearchFilterEditWidget::ReturnPressed);
        auto* edit = Find<QLineEdit>(widget, "leSearch");
        edit->setText(QStringLiteral("abc"));

        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(searches.count(), 1);
        QCOMPARE(returns.count(), 2);

        widget.OnCountTag(2);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(searches.count(), 1);
        edit->setText(QStringLiteral("abcd"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(searches.count(), 2);
    }

    void clearSendsClearClickedThenAnEmptySearch()
    {
        SearchFilterEditWidget widget;
        QStringList sent;
        connect(&widget, &SearchFilterEditWidget::SearchTag, [&sent](const QString& tag) { sent << "search:" + tag; });
        connect(&widget, &SearchFilterEditWidget::CountTag, [&sent](const QString& tag) { sent << "count:" + tag; });
        connect(&widget, &SearchFilterEditWidget::ClearClicked, [&sent] { sent << "clear"; });
        Find<QLineEdit>(widget, "leSearch")->setText(QStringLiteral("abc"));
        auto* clear = Find<QPushButton>(widget, "btnClear");
        QVERIFY(clear->isVisibleTo(&widget));

        clear->click();
        QCOMPARE(sent, QStringList({"clear", "search:", "count:"}));
        QVERIFY(!clear->isVisibleTo(&widget));
    }

    void arrowsStepWithoutWrapping_data()
    {
        QTest::addColumn<uint>("count");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("indexer");
        QTest::addColumn<bool>("prevEnabled");
        QTest::addColumn<bool>("nextEnabled");
        QTest::addColumn<QList<int>>("moves");
        QTest::newRow("count selects the first match") << 3u << "" << "1 of 3" << false << true << QList<int>{1};
        QTest::newRow("next up to the last disables next") << 3u << "nn" << "3 of 3" << true << false << QList<int>{1, 2, 3};
        QTest::newRow("back and forth") << 3u << "nnp" << "2 of 3" << true << true << QList<int>{1, 2, 3, 2};
        QTest::newRow("previous at the first stays") << 3u << "p" << "1 of 3" << false << true << QList<int>{1};
        QTest::newRow("single match disables both") << 1u << "n" << "1 of 1" << false << false << QList<int>{1};
    }

    void arrowsStepWithoutWrapping()
    {
        QFETCH(uint, count);
        QFETCH(QString, clicks);
        SearchFilterEditWidget widget;
        QSignalSpy moves(&widget, &SearchFilterEditWidget::MoveToTag);
        Find<QLineEdit>(widget, "leSearch")->setText(QStringLiteral("abc"));
        widget.OnCountTag(count);
        for (const QChar click : clicks)
            Find<QPushButton>(widget, click == 'n' ? "btnNext" : "btnPrev")->click();

        QTEST(Find<QLabel>(widget, "lblIndexer")->text(), "indexer");
        QTEST(Find<QPushButton>(widget, "btnPrev")->isEnabled(), "prevEnabled");
        QTEST(Find<QPushButton>(widget, "btnNext")->isEnabled(), "nextEnabled");
        QList<int> moved;
        for (const QList<QVariant>& move : moves)
            moved << move.at(0).toInt();
        QTEST(moved, "moves");
    }

    void countAndNavigationVisibility_data()
    {
        QTest::addColumn<bool>("hideWhenIdle");
        QTest::addColumn<bool>("displayed");
        QTest::addColumn<uint>("found");
        QTest::addColumn<uint>("movable");
        QTest::addColumn<QString>("countText");
        QTest::addColumn<bool>("visible");
        QTest::newRow("matches show count and arrows") << false << false << 0u << 3u << "3" << true;
        QTest::newRow("no match hides them") << false << false << 0u << 0u << "0" << false;
        QTest::newRow("found count wins over movable") << false << false << 10u << 3u << "10" << true;
        QTest::newRow("hidden when idle unless displayed") << true << false << 0u << 3u << "3" << false;
        QTest::newRow("display flag overrides hiding") << true << true << 0u << 3u << "3" << true;
    }

    void countAndNavigationVisibility()
    {
        QFETCH(bool, hideWhenIdle);
        QFETCH(bool, displayed);
        QFETCH(uint, found);
        QFETCH(uint, movable);
        QFETCH(bool, visible);
        SearchFilterEditWidget widget(nullptr, QString(), hideWhenIdle);
        widget.SetNavigationDisplayed(displayed);
        Find<QLineEdit>(widget, "leSearch")->setText(QStringLiteral("abc"));
        widget.OnFoundedCount(found, movable);

        QTEST(Find<QLabel>(widget, "lblCount")->text(), "countText");
        QCOMPARE(Find<QLabel>(widget, "lblCount")->isVisibleTo(&widget), visible);
        QCOMPARE(Find<QWidget>(widget, "widgetSpinBox")->isVisibleTo(&widget), visible);
    }

};

MAPS_TEST_CLASS(SearchFilterEditWidgetTest);

#include "tst_SearchFilterEditWidget.moc"
