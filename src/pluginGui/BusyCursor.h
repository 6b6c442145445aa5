#pragma once

namespace pluginGui {

// Shows the busy cursor now and restores the previous one as soon as the event loop is idle
// again. Long work on the GUI thread blocks every timer, so a cursor delayed until the work has
// lasted a while could never appear: call this right before work that may take long. Calls
// before the loop is idle again add nothing.
void ShowBusyCursorUntilIdle();

} // namespace pluginGui
