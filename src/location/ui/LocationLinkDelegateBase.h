#pragma once

#include "pluginGui/TableUrlDelegateBase.h"

#include <QString>

namespace location::ui {

// What a location cell shows and where its link leads.
struct LocationLink {
    QString text; // empty: the cell shows nothing and has no link
    QString url;
};

// Cells that show a location value as a link into the web map service. Derived delegates only
// say which text and URL a cell's value has.
class LocationLinkDelegateBase : public pluginGui::TableUrlDelegateBase {
    Q_OBJECT

public:
    LocationLinkDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                             pluginGui::ElidedSyntaxHighlighter* highlighter, const QFont* font);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool IsOverLink(const QPoint& pos, const QModelIndex& index, const QAbstractItemView* view) const override;
    QString GetText(const QModelIndex& index) const override;
    void HandleMouseAction(const QPoint& pos, const QModelIndex& index, QAbstractItemView* view, int actionType,
                           QString* out) const override;
    void PaintContent(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                      const QStyle* style, const QModelIndex& index) const override;

protected:
    // Reads the cell's value; a null pointer or a value without location gives an empty link.
    virtual LocationLink GetLink(const QModelIndex& index) const = 0;
};

} // namespace location::ui
