#include "LocationDefaultDelegate.h"

#include "pluginGui/CellHtml.h"
#include "pluginGui/CellPointer.h"

#include <QCoreApplication>

namespace location::ui {

namespace {

const QString& UndefinedHtml()
{
    static const QString html
        = pluginGui::GrayHtml(pluginGui::ItalicHtml(QCoreApplication::translate("cmn", "Undefined")));
    return html;
}

} // namespace

LocationDefaultDelegate::LocationDefaultDelegate(QObject* parent, const QMargins& margins, int verticalInset,
                                                 int rowCount, pluginGui::ElidedSyntaxHighlighter* highlighter,
                                                 const QFont* font, bool showUndefined)
    : TableStaticTextDelegateBase(parent, margins, verticalInset, rowCount, highlighter, font, true)
    , m_showUndefined(showUndefined)
{
}

void LocationDefaultDelegate::PaintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                           const QStyleOptionViewItem& itemOption, const QStyle* style,
                                           const QModelIndex& index) const
{
    const QString* text = pluginGui::CellPointer<QString>(index.data());
    if (text != nullptr && !text->isEmpty())
        TableStaticTextDelegateBase::PaintContent(painter, option, itemOption, style, index);
    else if (m_showUndefined)
        DrawElidedText(painter, option, itemOption, style, &UndefinedHtml(), &UndefinedHtml());
}

} // namespace location::ui
