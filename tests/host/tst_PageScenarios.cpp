#include "ScenarioWindow.h"

#include "support/TestRegistry.h"

#include "sample/SampleBackup.h"
#include "viewer/MainWindow.h"
#include "viewer/PageControls.h"

#include "exportReport/button/ExportButton.h"
#include "pluginGui/IExportButtonWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr char kSearched[] = "Sky Tower";
enum StepWay { Arrows, F3, CtrlG, Return };

QTableView* ShownTable(const QWidget* page)
{
    for (QTableView* table : page->findChildren<QTableView*>()) {
        if (table->isVisible())
            return table;
    }
    return nullptr;
}

void ClickRow(QTableView* table, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, cell.center());
}

QList<QStringList> ClipboardRows()
{
    QList<QStringList> rows;
    for (const QString& line : QApplication::clipboard()->text().split(QLatin1Char('\n')))
        rows << line.split(QLatin1Char('\t'));
    return rows;
}

} // namespace

// The Apple Maps page in the viewer's window over the real plug-in module, used with the mouse
// and the keyboard as a person would.
class TestPageScenarios : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        host::sample::WriteSampleBackup(m_backups.filePath("backup"), host::sample::SampleOptions{});
        m_window = m_scenario.Window();
        QVERIFY(m_window && QTest::qWaitForWindowActive(m_window));
        QVERIFY(m_scenario.Open(m_backups.filePath("backup")));
        m_page = m_window->Page();
        m_search = host::viewer::FindSearchLine(m_page);
        QVERIFY(m_search);
    }

    // Every scenario starts on the favourites without a search.
    void init()
    {
        QTest::keyClick(m_window, Qt::Key_2, Qt::ControlModifier);
        Search(QString());
    }

    void stepThroughMatches_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("arrows") << int(Arrows);
        QTest::newRow("F3, Shift+F3") << int(F3);
        QTest::newRow("Ctrl+G, Ctrl+Shift+G") << int(CtrlG);
        QTest::newRow("Return on the searched text, Shift+F3") << int(Return);
    }

    // Each step makes the row that holds the match current, selected and visible; as every
    // shown row holds a match, stepping to the last visits every row once, in order.
    void stepThroughMatches()
    {
        QFETCH(int, way);
        Search(QString::fromLatin1(kSearched));
        const auto* indexer = m_page->findChild<QLabel*>(QStringLiteral("lblIndexer"));
        QTableView* table = ShownTable(m_page);
        const QString counter = indexer->text();
        const int total = counter.section(QLatin1Char(' '), 2).toInt();
        QCOMPARE(counter, QStringLiteral("1 of %1").arg(total));
        QVERIFY2(table->model()->rowCount() > 20, "the last match must lie out of view at first");
        QList<int> visited{table->currentIndex().row()};
        for (int match = 2; match <= total; ++match) {
            Step(way, false);
            QCOMPARE(indexer->text(), QStringLiteral("%1 of %2").arg(match).arg(total));
            const int row = table->currentIndex().row();
            QVERIFY(row == visited.last() || row == visited.last() + 1);
            if (row != visited.last())
                visited << row;
            QVERIFY(table->selectionModel()->isRowSelected(row, QModelIndex()));
            QVERIFY(table->viewport()->rect().intersects(table->visualRect(table->currentIndex())));
        }
        QCOMPARE(visited.first(), 0);
        QCOMPARE(visited.size(), table->model()->rowCount());
        QVERIFY(table->verticalScrollBar()->value() > 0);
        Step(way, true);
        QCOMPARE(indexer->text(), QStringLiteral("%1 of %2").arg(total - 1).arg(total));
    }

    // Ctrl+1..4 switch categories, Ctrl+F and Escape drive the search, Tab visits the page's
    // controls in reading order (Space switching the filter on and ticking the date on the way),
    // and Ctrl+C copies the selected rows as the table shows them.
    void keyboardReachesEveryControl()
    {
        const auto* pages = m_page->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        for (int category = 3; category >= 0; --category) {
            QTest::keyClick(m_window, Qt::Key(Qt::Key_1 + category), Qt::ControlModifier);
            QCOMPARE(pages->currentIndex(), category);
        }
        QTest::keyClick(m_window, Qt::Key_2, Qt::ControlModifier);
        QTableView* table = ShownTable(m_page);
        const int allRows = table->model()->rowCount();
        QTest::keyClick(m_window, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), m_search);
        QTest::keyClicks(m_search, QString::fromLatin1(kSearched));
        QTest::keyClick(m_search, Qt::Key_Return);
        QVERIFY(table->model()->rowCount() < allRows);
        QTest::keyClick(m_search, Qt::Key_Escape);
        QVERIFY(m_search->text().isEmpty());
        QCOMPARE(table->model()->rowCount(), allRows);
        QWidget* panel = m_page->findChild<QWidget*>(QStringLiteral("filterPanel"));
        auto* filterSwitch = panel->findChild<QWidget*>(QStringLiteral("filterSwitch"));
        QList<QWidget*> expected{panel->findChild<QWidget*>(QStringLiteral("btnHide")), filterSwitch,
                                 panel->findChild<QCheckBox*>(),
                                 panel->findChild<QWidget*>(QStringLiteral("dateFrom"))->findChild<QLineEdit*>(),
                                 panel->findChild<QWidget*>(QStringLiteral("dateUntil"))->findChild<QLineEdit*>(),
                                 m_search};
        for (int category = 0; category < 4; ++category)
            expected << host::viewer::FindCategoryButton(m_page, category);
        expected << m_page->findChild<QWidget*>(QStringLiteral("mapToggleButton"))
                 << qobject_cast<pluginGui::IExportButtonWidget*>(m_page)->GetExportButton() << table;
        expected.first()->setFocus(Qt::TabFocusReason);
        auto* dateCheck = panel->findChild<QCheckBox*>();
        for (int stop = 1; stop < expected.size(); ++stop) {
            if (expected[stop - 1] == filterSwitch || (expected[stop - 1] == dateCheck && !dateCheck->isChecked()))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[stop]);
        }
        QTest::keyClick(filterSwitch, Qt::Key_Space);
        table->scrollToTop();
        ClickRow(table, 0);
        ClickRow(table, 2, Qt::ShiftModifier);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        const QList<QStringList> copied = ClipboardRows();
        QCOMPARE(copied.size(), 3);
        const int addressColumn = 4;
        for (int row = 0; row < copied.size(); ++row) {
            QCOMPARE(copied[row].size(), table->model()->columnCount());
            QCOMPARE(copied[row][addressColumn], table->model()->index(row, addressColumn).data().toString());
            QVERIFY(copied[row][0].contains(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}"))));
        }
        QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ClipboardRows().size(), allRows);
    }

    // Hiding and showing the filter panel gives back the layout it had; switching it on and
    // typing a year over the from date filters by that date and leaves the panel as wide as it was.
    void filterPanelKeepsItsLayout()
    {
        QWidget* panel = m_page->findChild<QWidget*>(QStringLiteral("filterPanel"));
        QTableView* table = ShownTable(m_page);
        const QRect panelBefore = panel->geometry();
        const QRect tableBefore = table->geometry();
        QTest::mouseClick(panel->findChild<QWidget*>(QStringLiteral("btnHide")), Qt::LeftButton);
        auto* showButton = panel->findChild<QWidget*>(QStringLiteral("btnShowFilter"));
        QTRY_VERIFY(showButton->isVisible());
        QTRY_VERIFY(table->width() > tableBefore.width() + 150);
        QTest::mouseClick(showButton, Qt::LeftButton);
        QTRY_COMPARE(panel->geometry(), panelBefore);
        QTRY_COMPARE(table->geometry(), tableBefore);
        const int allRows = table->model()->rowCount();
        QTest::keyClick(panel->findChild<QWidget*>(QStringLiteral("filterSwitch")), Qt::Key_Space);
        auto* dateCheck = panel->findChild<QCheckBox*>();
        if (!dateCheck->isChecked())
            QTest::mouseClick(dateCheck, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
        auto* from = panel->findChild<QWidget*>(QStringLiteral("dateFrom"))->findChild<QLineEdit*>();
        const QDate first = QDate::fromString(from->text(), QStringLiteral("dd.MM.yyyy"));
        const int year = first.year() + 1;
        from->setFocus();
        from->setSelection(6, 4);
        QTest::keyClicks(from, QString::number(year));
        QCOMPARE(from->text(), first.toString(QStringLiteral("dd.MM.")) + QString::number(year));
        QTRY_VERIFY(table->model()->rowCount() < allRows);
        for (int row = 0; row < table->model()->rowCount(); ++row)
            QVERIFY(table->model()->index(row, 0).data().toDateTime().date() >= QDate(year, first.month(), first.day()));
        QCOMPARE(panel->geometry(), panelBefore);
        QTest::keyClick(panel->findChild<QWidget*>(QStringLiteral("filterSwitch")), Qt::Key_Space);
        QTRY_COMPARE(table->model()->rowCount(), allRows);
    }

    // The first widths fit the texts the table shows; a width the user sets survives category
    // switches, searches and sorting; sorting shows the busy cursor until it is done.
    void columnsFitAndKeepTheUsersWidths()
    {
        QTableView* table = ShownTable(m_page);
        QHeaderView* header = table->horizontalHeader();
        table->scrollToTop();
        ClickRow(table, 0);
        ClickRow(table, 9, Qt::ShiftModifier);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        for (const QStringList& fields : ClipboardRows()) {
            for (int column = 0; column < fields.size() - 1; ++column) {
                const int needed = table->fontMetrics().horizontalAdvance(fields[column]) + 20;
                QVERIFY2(header->sectionSize(column) >= std::min(needed, 400), qPrintable(fields[column]));
            }
        }
        header->resizeSection(3, 333);
        QList<int> cursorsWhileSorting;
        connect(table->model(), &QAbstractItemModel::layoutAboutToBeChanged, this, [&cursorsWhileSorting] {
            const QCursor* cursor = QApplication::overrideCursor();
            cursorsWhileSorting << (cursor ? cursor->shape() : Qt::ArrowCursor);
        });
        QTRY_VERIFY(!QApplication::overrideCursor());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
        QCOMPARE(header->sortIndicatorSection(), 1);
        QVERIFY(!cursorsWhileSorting.isEmpty());
        QVERIFY(cursorsWhileSorting.count(Qt::WaitCursor) == cursorsWhileSorting.size());
        QTRY_VERIFY(!QApplication::overrideCursor());
        Search(QString::fromLatin1(kSearched));
        QTest::keyClick(m_window, Qt::Key_1, Qt::ControlModifier);
        QTest::keyClick(m_window, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(header->sectionSize(3), 333);
    }

private:
    void Search(const QString& text)
    {
        m_search->setText(text);
        QTest::keyClick(m_search, Qt::Key_Return);
    }

    void Step(int way, bool back)
    {
        const Qt::KeyboardModifiers shift = back ? Qt::ShiftModifier : Qt::NoModifier;
        if (way == Arrows)
            QTest::mouseClick(m_page->findChild<QAbstractButton*>(back ? "btnPrev" : "btnNext"), Qt::LeftButton);
        else if (way == Return && !back)
            QTest::keyClick(m_search, Qt::Key_Return);
        else if (way == CtrlG)
            QTest::keyClick(m_window, Qt::Key_G, Qt::ControlModifier | shift);
        else
            QTest::keyClick(m_window, Qt::Key_F3, shift);
    }

    test::ScenarioWindow m_scenario;
    QTemporaryDir m_backups;
    host::viewer::MainWindow* m_window = nullptr;
    QWidget* m_page = nullptr;
    QLineEdit* m_search = nullptr;
};

MAPS_TEST_CLASS(TestPageScenarios);
#include "tst_PageScenarios.moc"
