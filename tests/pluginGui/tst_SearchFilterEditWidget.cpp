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

QImage Magnifier(const QString& colour)
{
    return QImage(":/Resources/images/magnifier_" + colour + ".png").convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class SearchFilterEditWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void countShowsTheState_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("found");
        QTest::addColumn<uint>("movable");
        QTest::addColumn<bool>("hideWhenIdle");
        QTest::addColumn<QColor>("outer");
        QTest::addColumn<QColor>("inner");
        QTest::addColumn<QString>("magnifier");
        QTest::addColumn<QString>("count"); // empty: count and arrows hidden
        const QColor green(59, 179, 73), paleGreen(208, 236, 211), red(241, 84, 90), paleRed(251, 197, 202);
        const QColor grey(192, 192, 192), paleGrey(229, 229, 229);
        QTest::newRow("matches: green") << "abc" << 0u << 3u << false << green << paleGreen << "green" << "3";
        QTest::newRow("no match: red") << "abc" << 0u << 0u << false << red << paleRed << "red" << "";
        QTest::newRow("empty text: grey") << "" << 0u << 0u << false << grey << paleGrey << "gray" << "";
        QTest::newRow("found count shown over the movable one")
            << "abc" << 10u << 3u << false << green << paleGreen << "green" << "10";
        QTest::newRow("navigation hidden when idle") << "abc" << 0u << 3u << true << green << paleGreen << "green" << "";
    }

    void countShowsTheState()
    {
        QFETCH(QString, text);
        QFETCH(uint, found);
        QFETCH(uint, movable);
        QFETCH(bool, hideWhenIdle);
        QFETCH(QString, count);
        SearchFilterEditWidget widget(nullptr, QString(), hideWhenIdle);
        widget.resize(300, 30);
        Find<QLineEdit>(widget, "leSearch")->setText(text);
        widget.OnFoundedCount(found, movable);

        const QImage frame = widget.grab().toImage();
        QTEST(frame.pixelColor(0, 15), "outer");
        QTEST(frame.pixelColor(1, 15), "inner");
        QFETCH(QString, magnifier);
        QCOMPARE(Find<QLabel>(widget, "lblImg")->pixmap()->toImage().convertToFormat(QImage::Format_ARGB32),
                 Magnifier(magnifier));
        QCOMPARE(Find<QLabel>(widget, "lblCount")->isVisibleTo(&widget), !count.isEmpty());
        QCOMPARE(Find<QWidget>(widget, "widgetSpinBox")->isVisibleTo(&widget), !count.isEmpty());
        if (!count.isEmpty())
            QCOMPARE(Find<QLabel>(widget, "lblCount")->text(), count);

        // Typing again leaves the result behind: grey until the next count.
        QTest::keyClicks(Find<QLineEdit>(widget, "leSearch"), QStringLiteral("d"));
        QCOMPARE(widget.grab().toImage().pixelColor(0, 15), QColor(192, 192, 192));
        QCOMPARE(Find<QLabel>(widget, "lblImg")->pixmap()->toImage().convertToFormat(QImage::Format_ARGB32),
                 Magnifier("gray"));
    }

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
        auto* edit = Find<QLineEdit>(widget, "leSearch");
        edit->setText(QStringLiteral("abc"));

        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(searches.count(), 1);

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
};

MAPS_TEST_CLASS(SearchFilterEditWidgetTest);

#include "tst_SearchFilterEditWidget.moc"
