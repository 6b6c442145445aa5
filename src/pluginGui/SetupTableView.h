#pragma once

class QTableView;

namespace pluginGui {

// The look and behaviour shared by every category table: sortable by header click (column 0
// descending at first), whole rows selectable, no editing, alternating white and light grey rows, a thin
// light grid, per-pixel scrolling. Call it after installing a TableViewHeader.
void SetupTableView(QTableView* view);

} // namespace pluginGui
