#include "AddressDelegate.h"

#include "pluginGui/CellHtml.h"
#include "pluginGui/CellPointer.h"

#include <QCoreApplication>

namespace pluginGui {

AddressDelegate::AddressDelegate(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                                 ElidedSyntaxHighlighter* highlighter, const QFont* font)
    : TableStaticTextDelegateBase(parent, margins, verticalInset, rowCount, highlighter, font, true)
    , m_inProgressText(QCoreApplication::translate("cmn", "In progress..."))
{
}

QString AddressDelegate::GetText(const QModelIndex& index) const
{
    return index.data().toString();
}

void AddressDelegate::PaintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QStyleOptionViewItem& itemOption, const QStyle* style,
                                   const QModelIndex& index) const
{
    const cmn::Address* address = CellPointer<cmn::Address>(index.data(Qt::UserRole));
    if (address == nullptr)
        return;
    switch (address->resolutionState) {
    case cmn::Address::NotResolvedYet:
        DrawText(painter, GrayHtml(ElideToCell(m_inProgressText, option)), ItemTextRect(itemOption, style), m_font, nullptr);
        break;
    case cmn::Address::NotAvailable:
        DrawText(painter, GrayHtml(ElideToCell(QCoreApplication::translate("cmn", "N/A"), option)),
                 ItemTextRect(itemOption, style), m_font, nullptr);
        break;
    default:
        DrawStaticText(painter, option, itemOption, style, GetText(index));
        break;
    }
}

} // namespace pluginGui
