#include "UiFixtures.h"

#include "support/TestRegistry.h"
#include "support/UrlCatcher.h"

#include "appleMaps/ui/AppleMapsBookmarksFilter.h"
#include "appleMaps/ui/AppleMapsBookmarksTableView.h"
#include "appleMaps/ui/AppleMapsDirectionsSearchesTableView.h"
#include "appleMaps/ui/AppleMapsPlacesTableView.h"
#include "appleMaps/ui/AppleMapsSearchHistoryTableView.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

using namespace appleMaps;
using appleMaps::ui::AppleMapsCategoryTableViewBase;

const QTimeZone Utc(QByteArrayLiteral("UTC"));
const QString Untouched = QStringLiteral("clipboard untouched");

std::unique_ptr<AppleMapsCategoryTableViewBase> MakeView(int category, const AppleMapsRecords& records,
                                                         viewers::gui::IFilter* filter)
{
    switch (category) {
    case 0:
        return std::make_unique<ui::AppleMapsSearchHistoryTableView>(nullptr, &records.querySearches, Utc, filter,
                                                                     nullptr);
    case 1:
        return std::make_unique<ui::AppleMapsBookmarksTableView>(nullptr, &records.bookmarks, Utc, filter, nullptr);
    case 2:
        return std::make_unique<ui::AppleMapsPlacesTableView>(nullptr, &records.placeDisplays, Utc, filter, nullptr);
    default:
        return std::make_unique<ui::AppleMapsDirectionsSearchesTableView>(nullptr, &records.directionSearches, Utc,
                                                                          filter, nullptr);
    }
}

// A favourite with a route and an empty title, newer than a second favourite; a search; an explored
// place without location. Fields in declaration order.
const AppleMapsRecords& Records()
{
    const auto utc = [](int day, int hour, int minute, int second) {
        return QDateTime(QDate(2019, 3, day), QTime(hour, minute, second), Qt::UTC);
    };
    static const AppleMapsRecords records{
        {{utc(5, 14, 7, 33), "", {30.5234, 50.4501, 0.0}, "", "", "https://example.com/fish", "Fish & Chips",
          {test::MakeAddress("Kyiv", "01001")}, {}, {{30.5, 50.4, 0.0}, {30.6, 50.5, 0.0}}, ""},
         {utc(4, 9, 0, 0), "Coffee corner", {}, "", "", "", "", {}, {}, {}, ""}},
        {{utc(5, 10, 0, 0), "museum", "", {{30.0, 50.0, 0.0}, {31.0, 51.0, 0.0}}}},
        {{utc(6, 8, 0, 0), {}, "", "", "", "Nowhere", {}}},
        {}};
    return records;
}

// Right-clicks the cell and, when that opens a menu, chooses its first entry or closes it.
// Returns the menu's entries.
QStringList RightClick(QTableView& view, const QModelIndex& index, bool choose)
{
    QStringList entries;
    QTimer::singleShot(0, &view, [&entries, choose] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : menu->actions())
                entries << action->text();
            if (choose)
                menu->actions().first()->trigger();
            menu->close();
        }
    });
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, view.visualRect(index).center());
    QCoreApplication::processEvents();
    return entries;
}

} // namespace

class AppleMapsTableViewsTest : public QObject {
    Q_OBJECT

private slots:
    void rightClickCopiesTheCellText_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("copied");
        // Rows of the favourites, newest first: the route, then the café.
        QTest::newRow("date in the view's zone") << 1 << 0 << "05.03.2019 14:07:33 (UTC)";
        QTest::newRow("address") << 1 << 4 << "Kyiv 01001";
        QTest::newRow("empty text opens no menu") << 1 << 1 << QString();
        QTest::newRow("point without location opens no menu") << 2 << 2 << QString();
    }

    void rightClickCopiesTheCellText()
    {
        QFETCH(int, category);
        QFETCH(int, column);
        QFETCH(QString, copied);

        const auto view = MakeView(category, Records(), nullptr);
        view->resize(2000, 300);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        // The date cell's text must not linger as the copy text of a cell without one.
        RightClick(*view, view->model()->index(0, 0), false);
        QGuiApplication::clipboard()->setText(Untouched);

        const QStringList menuEntries = RightClick(*view, view->model()->index(0, column), true);
        QCOMPARE(menuEntries, copied.isEmpty() ? QStringList() : QStringList{"Copy"});
        QCOMPARE(QGuiApplication::clipboard()->text(), copied.isEmpty() ? Untouched : copied);
    }

    // A left click on a link cell opens its link; beside the link it opens nothing.
    void leftClickOpensTheLink_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("url");
        QTest::newRow("url") << 7 << "https://example.com/fish";
        QTest::newRow("location") << 3 << "https://www.google.com/maps/place/50.4501000,30.5234000";
    }

    void leftClickOpensTheLink()
    {
        QFETCH(int, column);
        QFETCH(QString, url);
        const auto view = MakeView(1, Records(), nullptr);
        view->resize(2000, 300);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->setColumnWidth(column, 600);
        const QRect cell = view->visualRect(view->model()->index(0, column));
        test::UrlCatcher catcher;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.bottomRight() - QPoint(3, 3));
        QVERIFY(catcher.opened.isEmpty());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 15, cell.center().y()));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(url)});
    }

    void searchAndFilterState_data()
    {
        QTest::addColumn<QString>("searchTag");
        QTest::addColumn<uint>("matches");
        QTest::addColumn<bool>("hasRows");
        QTest::addColumn<bool>("filtered");
        QTest::newRow("no search text") << QString() << 0u << true << false;
        QTest::newRow("one of two favourites") << "coffee" << 1u << true << true;
        QTest::newRow("none") << "zzz" << 0u << false << true;
    }

    void searchAndFilterState()
    {
        QFETCH(QString, searchTag);

        ui::AppleMapsBookmarksFilter filter(nullptr);
        filter.SetData(&Records().bookmarks);
        const auto view = MakeView(1, Records(), &filter);
        QSignalSpy finished(view.get(), &AppleMapsCategoryTableViewBase::SearchFilterFinished);
        // A stale count from an earlier search must not survive.
        view->OnSearchTag(QStringLiteral("o"));
        view->OnSearchTag(searchTag);
        view->Invalidate();

        QCOMPARE(finished.count(), 2);
        QTEST(finished.last().first().toUInt(), "matches");
        QTEST(view->HasRows(), "hasRows");
        QTEST(view->IsFiltered(), "filtered");
    }
};

MAPS_TEST_CLASS(AppleMapsTableViewsTest);

#include "tst_AppleMapsTableViews.moc"
