#pragma once

#include "pluginGui/TableDelegateBase.h"

#include <QFont>
#include <QString>

class QAbstractItemView;
class QHelpEvent;

namespace pluginGui {

class ElidedSyntaxHighlighter;

// A delegate whose cells react to the mouse (cursor, link click, copy), show their full text as
// a tool tip when cut, and mark search matches through the view's highlighter.
class InteractiveDelegateBase : public TableDelegateBase {
    Q_OBJECT

public:
    // highlighter: the view's, not owned, may be null (no search marks). font: copied; null
    // gives a default font.
    InteractiveDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                            ElidedSyntaxHighlighter* highlighter, const QFont* font);

    void PaintCell(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                   const QStyle* style, const QModelIndex& index) const override;

    // Whether cells of this delegate are links at all; a left click matters only then.
    virtual bool HasLink() const;
    // pos: in the view's viewport.
    virtual bool IsOverLink(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view) const = 0;
    virtual QString GetText(const QModelIndex& index) const = 0;
    virtual void CopyText(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view, QString* out) const;
    // actionType: a DelegateActionType. out: receives the cell text on a right click.
    virtual void HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view, int actionType,
                                   QString* out) const = 0;
    virtual void MakeLinkHtml(const QString& url, const QString& text, QString& out) const;
    virtual void PaintContent(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                              const QStyle* style, const QModelIndex& index) const = 0;
    // Both texts are needed; fullText is what the cell holds, elidedText what fits (as HTML).
    virtual void DrawElidedText(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                                const QStyle* style, const QString* fullText, const QString* elidedText) const;
    // Marks the ellipsis when the full text holds more search matches than the elided one.
    virtual void DrawElidedTextInRect(QPainter* painter, const QRect& rect, const QString& fullText,
                                      const QString& elidedText) const;
    virtual void DrawTextInItemRect(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QStyleOptionViewItem& itemOption, const QStyle* style, const QString& text) const;
    // An underlined blue link cut to the cell's width.
    virtual void PaintLink(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                           const QStyle* style, const QString& url, const QString& text) const;

signals:
    void RowPainted(int row) const;

public slots:
    // Shows the full cell text as a tool tip when the cell shows it cut.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    // text cut to the cell's width within the margins, in the delegate's font.
    QString ElideToCell(const QString& text, const QStyleOptionViewItem& option) const;
    static QRect ItemTextRect(const QStyleOptionViewItem& itemOption, const QStyle* style);

    ElidedSyntaxHighlighter* m_highlighter;
    QFont m_font;

private:
    QString m_searchTag;
};

} // namespace pluginGui
