#pragma once

#include <QFuture>

namespace host::viewer {

// Returns when `future` has finished, running the GUI thread's events meanwhile: work that needs
// the GUI thread (a page's shutdown, queued progress) goes on, and the window stays responsive.
void WaitWhileProcessingEvents(const QFuture<void>& future);

} // namespace host::viewer
