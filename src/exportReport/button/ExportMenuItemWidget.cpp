#include "ExportMenuItemWidget.h"

#include "viewers/gui/StyleSheetManager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOption>

namespace pluginGui {

namespace {

const QColor& HoverColor()
{
    static const QColor color(176, 176, 176);
    return color;
}

} // namespace

ExportMenuItemWidget::ExportMenuItemWidget(const QString& text, QWidget* parent)
    : QWidget(parent)
    , m_label(new QLabel(text, this))
{
    m_label->setContentsMargins(12, 0, 12, 0);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setDirection(QBoxLayout::LeftToRight);
    layout->addWidget(m_label);
    viewers::gui::ApplyStyle(viewers::gui::StyleGroup::Widget, viewers::gui::StyleClass::export_button, m_label);
    setMouseTracking(true);
}

void ExportMenuItemWidget::enterEvent(QEvent*)
{
    m_hovered = true;
    update();
}

void ExportMenuItemWidget::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void ExportMenuItemWidget::showEvent(QShowEvent*)
{
    m_hovered = false;
}

void ExportMenuItemWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_hovered && underMouse() ? HoverColor() : QColor(0, 0, 0, 0));
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

} // namespace pluginGui
