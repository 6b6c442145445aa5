#include "ElideWidget.h"

#include "viewers/gui/ElideText.h"

#include <QWidget>

namespace viewers::gui {

ElideWidget::ElideWidget(QWidget* target, int reservedWidth)
    : m_target(target)
    , m_reservedWidth(reservedWidth)
{
}

void ElideWidget::SetFullText(const QString& text)
{
    m_fullText = text;
    Elide();
}

const QString& ElideWidget::GetFullText() const
{
    return m_fullText;
}

const QString& ElideWidget::GetElidedText() const
{
    return m_elidedText;
}

void ElideWidget::SetAvailableWidth(int width)
{
    m_availableWidth = width;
    Elide();
}

void ElideWidget::Elide()
{
    const int width = m_availableWidth < 0 ? m_target->width() : m_availableWidth;
    m_elidedText = ElideText(m_target->fontMetrics(), Qt::ElideRight, m_fullText, width - m_reservedWidth - DecorationWidth());
    ShowElidedText(m_elidedText, m_elidedText == m_fullText ? QString() : m_fullText);
}

} // namespace viewers::gui
