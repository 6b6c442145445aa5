#include "InteractiveDelegateBase.h"

#include "CryptLog/log/Log.h"
#include "pluginGui/ElidedSyntaxHighlighter.h"
#include "viewers/gui/ElideText.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>

namespace pluginGui {

namespace {

QString ToPlain(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

InteractiveDelegateBase::InteractiveDelegateBase(QObject* parent, const QMargins& margins, int verticalInset, int rowCount,
                                                 ElidedSyntaxHighlighter* highlighter, const QFont* font)
    : TableDelegateBase(parent, margins, verticalInset, rowCount)
    , m_highlighter(highlighter)
    , m_font(font != nullptr ? *font : QFont())
{
    if (m_highlighter != nullptr) {
        m_searchTag = m_highlighter->GetSearchTag();
        connect(m_highlighter, &ElidedSyntaxHighlighter::SearchTagChanged, this,
                [this](const QString& tag) { m_searchTag = tag; });
    }
}

void InteractiveDelegateBase::PaintCell(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QStyleOptionViewItem& itemOption, const QStyle* style,
                                        const QModelIndex& index) const
{
    PaintContent(painter, option, itemOption, style, index);
    if (index.isValid())
        emit RowPainted(index.row());
}

bool InteractiveDelegateBase::HasLink() const
{
    return false;
}

void InteractiveDelegateBase::CopyText(const QPoint&, const QModelIndex& index, const QAbstractItemView*, QString* out) const
{
    if (out != nullptr)
        *out = GetText(index);
}

void InteractiveDelegateBase::MakeLinkHtml(const QString& url, const QString& text, QString& out) const
{
    out = QLatin1String("<a href=\"") + url + QLatin1String("\" style = \"text-decoration: underline; color: rgb(0,173,238)\">")
        + text + QLatin1String("</a>");
}

void InteractiveDelegateBase::DrawElidedText(QPainter* painter, const QStyleOptionViewItem&,
                                             const QStyleOptionViewItem& itemOption, const QStyle* style,
                                             const QString* fullText, const QString* elidedText) const
{
    if (fullText == nullptr && elidedText == nullptr) {
        LOG_DEBUG << "full text and elided text can't be null";
        return;
    }
    if (fullText != nullptr && elidedText != nullptr)
        DrawElidedTextInRect(painter, ItemTextRect(itemOption, style), *fullText, *elidedText);
}

void InteractiveDelegateBase::DrawElidedTextInRect(QPainter* painter, const QRect& rect, const QString& fullText,
                                                   const QString& elidedText) const
{
    const bool hiddenMatches = !m_searchTag.isEmpty()
        && ToPlain(fullText).count(m_searchTag, Qt::CaseInsensitive) > ToPlain(elidedText).count(m_searchTag, Qt::CaseInsensitive);
    if (!hiddenMatches || m_highlighter == nullptr) {
        DrawText(painter, elidedText, rect, m_font, m_highlighter);
        return;
    }
    const bool wasElided = m_highlighter->IsElided();
    m_highlighter->SetElided(true);
    DrawText(painter, elidedText, rect, m_font, m_highlighter);
    m_highlighter->SetElided(wasElided);
}

void InteractiveDelegateBase::DrawTextInItemRect(QPainter* painter, const QStyleOptionViewItem&,
                                                 const QStyleOptionViewItem& itemOption, const QStyle* style,
                                                 const QString& text) const
{
    DrawText(painter, text, ItemTextRect(itemOption, style), m_font, m_highlighter);
}

void InteractiveDelegateBase::PaintLink(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QStyleOptionViewItem& itemOption, const QStyle* style, const QString& url,
                                        const QString& text) const
{
    const QString elided = ElideToCell(text, option);
    QString html;
    MakeLinkHtml(url, elided, html);
    // Compared with the elided text itself, so a link never marks matches cut off from it.
    DrawElidedText(painter, option, itemOption, style, &elided, &html);
}

bool InteractiveDelegateBase::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                        const QModelIndex& index)
{
    if (event != nullptr && event->type() == QEvent::ToolTip) {
        const QString text = GetText(index);
        if (ElideToCell(text, option) != text) {
            QToolTip::showText(event->globalPos(), QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped()),
                               view);
            return true;
        }
    }
    return TableDelegateBase::helpEvent(event, view, option, index);
}

QString InteractiveDelegateBase::ElideToCell(const QString& text, const QStyleOptionViewItem& option) const
{
    return viewers::gui::ElideText(QFontMetrics(m_font), Qt::ElideRight, text,
                                   option.rect.width() - m_leftMargin - m_rightMargin);
}

QRect InteractiveDelegateBase::ItemTextRect(const QStyleOptionViewItem& itemOption, const QStyle* style)
{
    // The style fits the text element to the option's own text, which is empty for pointer cells
    // and knows nothing of the delegate's margins and inset; the text may use the rest of the cell.
    QRect rect = style->subElementRect(QStyle::SE_ItemViewItemText, &itemOption, itemOption.widget);
    rect.setTop(itemOption.rect.top());
    rect.setBottom(itemOption.rect.bottom());
    rect.setRight(itemOption.rect.right());
    return rect;
}

} // namespace pluginGui
