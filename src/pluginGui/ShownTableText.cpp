#include "ShownTableText.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStringList>
#include <QTableView>

#include <algorithm>

namespace pluginGui {

namespace {

// Room beside a caption for the sort triangle, on both sides as the caption is centred.
constexpr int CaptionPadding = 32;
// The delegates' left and right margins and a little air.
constexpr int CellPadding = 24;

QString OneLine(QString text)
{
    for (QChar& character : text) {
        if (character == QLatin1Char('\t') || character == QLatin1Char('\n') || character == QLatin1Char('\r'))
            character = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString SelectedRowsText(const QTableView& view, const CellText& cellText)
{
    const QItemSelectionModel* selection = view.selectionModel();
    if (selection == nullptr || view.model() == nullptr)
        return QString();
    QModelIndexList rows = selection->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& left, const QModelIndex& right) { return left.row() < right.row(); });
    const QHeaderView* header = view.horizontalHeader();
    QStringList lines;
    lines.reserve(rows.size());
    for (const QModelIndex& row : rows) {
        QStringList fields;
        for (int visual = 0; visual < header->count(); ++visual) {
            const int column = header->logicalIndex(visual);
            if (!header->isSectionHidden(column))
                fields << OneLine(cellText(row.siblingAtColumn(column)));
        }
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void FitColumnsToContent(QTableView& view, const CellText& cellText, int sampleRows, int maximumWidth)
{
    const QAbstractItemModel* model = view.model();
    if (model == nullptr)
        return;
    const QFontMetrics cellMetrics(view.font());
    const QFontMetrics captionMetrics(view.horizontalHeader()->font());
    const int rows = std::min(sampleRows, model->rowCount(view.rootIndex()));
    for (int column = 0; column < model->columnCount(view.rootIndex()) - 1; ++column) {
        const QString caption = model->headerData(column, Qt::Horizontal).toString();
        int wanted = captionMetrics.horizontalAdvance(caption) + CaptionPadding;
        for (int row = 0; row < rows && wanted < maximumWidth; ++row)
            wanted = std::max(wanted, cellMetrics.horizontalAdvance(cellText(model->index(row, column, view.rootIndex())))
                                          + CellPadding);
        const int current = view.columnWidth(column);
        view.setColumnWidth(column, std::max(current, std::min(wanted, maximumWidth)));
    }
}

} // namespace pluginGui
