#include "InfoBarElidedLabel.h"

#include "LinkText.h"
#include "TextPartDocument.h"

#include "viewers/gui/ElideText.h"

#include <QFontMetricsF>
#include <QResizeEvent>
#include <QtMath>

#include <algorithm>

namespace pluginGui {

namespace {

bool HasLink(const TextPartDocument& document)
{
    const auto& parts = document.GetParts();
    return std::any_of(parts.begin(), parts.end(),
                       [](const auto& part) { return dynamic_cast<const LinkText*>(part.get()) != nullptr; });
}

} // namespace

InfoBarElidedLabel::InfoBarElidedLabel(QWidget* parent, int elideMode)
    : QLabel(parent)
    , m_document(std::make_unique<TextPartDocument>())
    , m_elideMode(elideMode)
{
}

InfoBarElidedLabel::~InfoBarElidedLabel() = default;

void InfoBarElidedLabel::SetText(const QString& html)
{
    m_document->Clear();
    m_document->Parse(html);
    m_plainText = m_document->ToPlainText();
    m_html = html;
    // Tab stops here only for a link: a plain figure would be a stop that shows nothing.
    setFocusPolicy(HasLink(*m_document) ? Qt::StrongFocus : Qt::ClickFocus);
    Elide(0);
}

void InfoBarElidedLabel::SetPlainText(const QString& plainText)
{
    m_plainText = plainText;
}

void InfoBarElidedLabel::SetHtml(const QString& html)
{
    m_html = html;
}

void InfoBarElidedLabel::SetElideMode(int elideMode)
{
    m_elideMode = elideMode;
}

QSize InfoBarElidedLabel::sizeHint() const
{
    // Rounded up: a width rounded down would make the whole text elide itself.
    const int textWidth = qCeil(QFontMetricsF(font()).horizontalAdvance(m_plainText));
    return QSize(textWidth, QLabel::sizeHint().height());
}

QSize InfoBarElidedLabel::minimumSizeHint() const
{
    QSize size = QLabel::minimumSizeHint();
    size.setWidth(-1);
    return size;
}

void InfoBarElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (parentWidget())
        Elide(parentWidget()->width() - x());
}

void InfoBarElidedLabel::Elide(int width)
{
    const QString elided = viewers::gui::ElideText(fontMetrics(), static_cast<Qt::TextElideMode>(m_elideMode),
                                                   m_plainText, width == 0 ? this->width() : width);
    setToolTip(elided == m_plainText ? QString() : QStringLiteral("<p style='white-space:pre'>%1</p>").arg(m_plainText));
    m_document->UpdateFrom(elided);
    setText(m_document->ToHtml());
}

} // namespace pluginGui
