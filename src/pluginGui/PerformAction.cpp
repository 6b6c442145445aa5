#include "PerformAction.h"

#include "CryptLog/log/Log.h"
#include "pluginGui/DelegateActionType.h"
#include "pluginGui/InteractiveDelegateBase.h"

#include <QAbstractItemView>
#include <QDesktopServices>
#include <QUrl>

namespace pluginGui {

void PerformAction(const QPoint& pos, const QModelIndex& index, const QUrl& url, QAbstractItemView* view,
                   const InteractiveDelegateBase* delegate, int actionType, QString* out)
{
    switch (actionType) {
    case LeaveAction:
        view->setCursor(Qt::ArrowCursor);
        break;
    case MoveAction:
        view->setCursor(delegate->IsOverLink(pos, index, view) ? Qt::PointingHandCursor : Qt::ArrowCursor);
        break;
    case LeftClickAction:
        if (delegate->IsOverLink(pos, index, view))
            QDesktopServices::openUrl(url);
        break;
    case RightClickAction:
        delegate->CopyText(pos, index, view, out);
        break;
    default:
        LOG_DEBUG << "Invalid action type";
        break;
    }
}

} // namespace pluginGui
