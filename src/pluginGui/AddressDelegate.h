#pragma once

#include "pluginGui/TableStaticTextDelegateBase.h"

namespace pluginGui {

// Address cells: the one-line address from the display role, or, by the resolution state of
// the "const cmn::Address*" in Qt::UserRole, a grey "In progress..." or "N/A".
class AddressDelegate : public TableStaticTextDelegateBase {
    Q_OBJECT

public:
    AddressDelegate(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                    ElidedSyntaxHighlighter* highlighter, const QFont* font);

    QString GetText(const QModelIndex& index) const override;
    void PaintContent(QPainter* painter, const QStyleOptionViewItem& option, const QStyleOptionViewItem& itemOption,
                      const QStyle* style, const QModelIndex& index) const override;

private:
    QString m_inProgressText;
};

} // namespace pluginGui
