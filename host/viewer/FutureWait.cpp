#include "FutureWait.h"

#include <QEventLoop>
#include <QFutureWatcher>

namespace host::viewer {

void WaitWhileProcessingEvents(const QFuture<void>& future)
{
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    // A future that finishes after this check is still reported through the loop.
    if (!future.isFinished())
        loop.exec();
}

} // namespace host::viewer
