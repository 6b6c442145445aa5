#pragma once

#include "pluginGui/InteractiveDelegateBase.h"

namespace pluginGui {

// Date-time cells: date, time and UTC offset on one line, shortened to the column from the
// zone backwards; a null value reads "No date is found" in grey italics.
class TableQDateTimeDelegateBase : public InteractiveDelegateBase {
    Q_OBJECT

public:
    TableQDateTimeDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                               ElidedSyntaxHighlighter* highlighter, const QFont* font);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool IsOverLink(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view) const override;
    // "dd.MM.yyyy hh:mm:ss (UTC +h:m)", whatever the user's locale; empty for a null value, so
    // that there is nothing to copy.
    QString GetText(const QModelIndex& index) const override;
    void HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view, int actionType,
                           QString* out) const override;
    void PaintContent(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                      const QStyle* style, const QModelIndex& index) const override;
};

} // namespace pluginGui
