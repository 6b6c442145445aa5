#pragma once

#include "pluginGui/InteractiveDelegateBase.h"

namespace pluginGui {

// Cells of plain text: cut to the column with the full text as tool tip, search matches
// marked, the ellipsis marked when the cut-off part holds further matches.
class TableStaticTextDelegateBase : public InteractiveDelegateBase {
    Q_OBJECT

public:
    // valueIsStringPointer: the display role holds a "const QString*" rather than the text.
    TableStaticTextDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                                ElidedSyntaxHighlighter* highlighter, const QFont* font, bool valueIsStringPointer);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool IsOverLink(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view) const override;
    QString GetText(const QModelIndex& index) const override;
    void HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view, int actionType,
                           QString* out) const override;
    // Nothing for a null string pointer.
    void PaintContent(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                      const QStyle* style, const QModelIndex& index) const override;

protected:
    // Cell values are text, not markup: they are shown as they are.
    void DrawStaticText(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                        const QStyle* style, const QString& text) const;

private:
    bool m_valueIsStringPointer;
};

} // namespace pluginGui
