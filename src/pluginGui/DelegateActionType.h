#pragma once

namespace pluginGui {

// What the mouse did over a cell, as the table views report it to the cell's delegate.
enum DelegateActionType : int {
    LeaveAction = 0,
    MoveAction = 1,
    LeftClickAction = 2,
    // Fetches the cell's text for the "Copy" menu.
    RightClickAction = 3,
};

} // namespace pluginGui
