#include "support/TestRegistry.h"

#include "pluginGui/SetupTableView.h"
#include "pluginGui/TableViewHeader.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

namespace {

constexpr int SectionWidth = 150;
const QColor SectionColor(109, 110, 112);

// A table of three short columns whose header is painted by TableViewHeader.
struct HeaderTable {
    HeaderTable()
    {
        model.setHorizontalHeaderLabels({"A", "B", "C"});
        for (const char* text : {"beta", "alpha", "gamma"})
            model.appendRow({new QStandardItem(text), new QStandardItem(), new QStandardItem()});
        view.setHorizontalHeader(new pluginGui::TableViewHeader(&view));
        view.setModel(&model);
        pluginGui::SetupTableView(&view);
        for (int column = 0; column < 3; ++column)
            view.horizontalHeader()->resizeSection(column, SectionWidth);
        view.resize(3 * SectionWidth + 40, 200);
        view.show();
    }

    QImage Header() const { return view.horizontalHeader()->grab().toImage(); }
    int SectionRight(int column) const
    {
        const QHeaderView* header = view.horizontalHeader();
        return header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
    }

    QStandardItemModel model;
    QTableView view;
};

int WhitePixelsIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == QColor(Qt::white) ? 1 : 0;
    }
    return count;
}

} // namespace

class TableViewHeaderTest : public QObject {
    Q_OBJECT

private slots:
    // Probes left of the triangle's axis: near the base of the upward triangle only the wide part
    // reaches them, and likewise for the downward one.
    void triangleMarksOnlyTheSortColumnAndFollowsTheOrder_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("whiteProbeY");
        QTest::addColumn<int>("greyProbeY");
        QTest::newRow("ascending points up") << int(Qt::AscendingOrder) << 14 << 10;
        QTest::newRow("descending points down") << int(Qt::DescendingOrder) << 11 << 14;
    }

    void triangleMarksOnlyTheSortColumnAndFollowsTheOrder()
    {
        QFETCH(int, order);
        QFETCH(int, whiteProbeY);
        QFETCH(int, greyProbeY);
        HeaderTable table;
        QVERIFY(QTest::qWaitForWindowExposed(&table.view));
        table.view.horizontalHeader()->setSortIndicator(1, static_cast<Qt::SortOrder>(order));

        const QImage header = table.Header();
        QCOMPARE(header.height(), 24);
        const int probeX = table.SectionRight(1) - 9;
        QCOMPARE(WhitePixelsIn(header, QRect(probeX, whiteProbeY, 1, 1)), 1);
        QCOMPARE(header.pixelColor(probeX, greyProbeY), SectionColor);
        for (int column : {0, 2}) {
            const QRect triangleArea(table.SectionRight(column) - 20, 1, 20, 22);
            QCOMPARE(WhitePixelsIn(header, triangleArea), 0);
        }
    }

    void setUpTableSortsByTheFirstColumnDescendingAndIsReadOnly()
    {
        HeaderTable table;
        const QHeaderView* header = table.view.horizontalHeader();
        QCOMPARE(header->sortIndicatorSection(), 0);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(table.model.item(0)->text() + table.model.item(2)->text(), QStringLiteral("gammaalpha"));
        QCOMPARE(table.view.editTriggers(), QAbstractItemView::NoEditTriggers);
    }
};

MAPS_TEST_CLASS(TableViewHeaderTest);
#include "tst_TableViewHeader.moc"
