#pragma once

#include <QString>

#include <functional>

class QModelIndex;
class QTableView;

namespace pluginGui {

// The text a cell shows, as its delegate draws it.
using CellText = std::function<QString(const QModelIndex& index)>;

// The selected rows in the order shown, one line each, their cells in the column order shown and
// separated by tabs; tabs and line breaks inside a cell become blanks so that every row stays
// one line of fields.
QString SelectedRowsText(const QTableView& view, const CellText& cellText);

// Widens every column but the last (which stretches) so that its caption and the texts of the
// first rows shown fit, never narrower than it is now and never wider than maximumWidth unless
// it already is.
void FitColumnsToContent(QTableView& view, const CellText& cellText, int sampleRows, int maximumWidth);

} // namespace pluginGui
