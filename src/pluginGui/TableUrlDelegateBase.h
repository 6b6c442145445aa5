#pragma once

#include "pluginGui/InteractiveDelegateBase.h"

namespace pluginGui {

// Cells that hold a URL and show it as a link that opens on a left click.
class TableUrlDelegateBase : public InteractiveDelegateBase {
    Q_OBJECT

public:
    // valueIsStringPointer: the display role holds a "const QString*" rather than the text.
    TableUrlDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                         ElidedSyntaxHighlighter* highlighter, const QFont* font, bool valueIsStringPointer);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool HasLink() const override;
    bool IsOverLink(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view) const override;
    QString GetText(const QModelIndex& index) const override;
    void HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view, int actionType,
                           QString* out) const override;
    void PaintContent(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                      const QStyle* style, const QModelIndex& index) const override;
    virtual void OpenUrl(const QString& url, const QModelIndex& index) const;

protected:
    QString GetUrl(const QModelIndex& index) const;
    // Whether pos lies on `html` laid out uncut at the cell's text origin.
    bool IsOverLinkHtml(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view,
                        const QString& html) const;

private:
    bool m_valueIsStringPointer;
};

} // namespace pluginGui
