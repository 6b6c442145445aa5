#pragma once

#include "pluginGui/TableStaticTextDelegateBase.h"

namespace location::ui {

// Text cells ("const QString*"). An empty or missing string shows an empty cell, or a grey
// italic "Undefined" when asked to.
class LocationDefaultDelegate : public pluginGui::TableStaticTextDelegateBase {
    Q_OBJECT

public:
    LocationDefaultDelegate(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                            pluginGui::ElidedSyntaxHighlighter* highlighter, const QFont* font, bool showUndefined);

    void PaintContent(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                      const QStyle* style, const QModelIndex& index) const override;

private:
    bool m_showUndefined;
};

} // namespace location::ui
