#pragma once

#include <QString>

class QAbstractItemView;
class QModelIndex;
class QPoint;
class QUrl;

namespace pluginGui {

class InteractiveDelegateBase;

// The mouse handling of a link cell whose delegate paints it itself: the cursor over the link,
// opening url on a left click over it, the cell text on a right click. actionType: a
// DelegateActionType.
void PerformAction(const QPoint& pos, const QModelIndex& index, const QUrl& url, QAbstractItemView* view,
                   const InteractiveDelegateBase* delegate, int actionType, QString* out);

} // namespace pluginGui
