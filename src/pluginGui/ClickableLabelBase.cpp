#include "ClickableLabelBase.h"

#include "ToolbarBase.h"

#include "viewers/gui/FocusFrame.h"

#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QMouseEvent>

namespace pluginGui {

namespace {

constexpr qreal HoveredOpacity = 0.99;
constexpr qreal RestingOpacity = 0.75;

} // namespace

ClickableLabelBase::ClickableLabelBase(QWidget* parent, int category, QSize fixedSize, bool isActive)
    : QLabel(parent)
    , m_category(category)
    , m_isActive(isActive)
    , m_opacityEffect(new QGraphicsOpacityEffect(this))
{
    setFixedSize(fixedSize);
    setGraphicsEffect(m_opacityEffect);
}

void ClickableLabelBase::SetToolbar(ToolbarBase* toolbar)
{
    m_toolbar = toolbar;
    if (m_toolbar)
        connect(m_toolbar, &ToolbarBase::ActivateCategory, this, &ClickableLabelBase::OnActivateCategory);
    // Tab reaches the buttons of the categories one can switch to; a click leaves the focus where it is.
    setFocusPolicy(IsEnabled() ? Qt::TabFocus : Qt::NoFocus);
    UpdateView(m_category, m_isActive);
}

bool ClickableLabelBase::IsEnabled() const
{
    return !m_toolbar || m_toolbar->IsCategoryEnabled(m_category);
}

void ClickableLabelBase::Activate()
{
    if (IsEnabled())
        m_isActive = true;
    UpdateView(m_category, m_isActive);
}

void ClickableLabelBase::Deactivate()
{
    m_isActive = false;
    UpdateView(m_category, false);
}

void ClickableLabelBase::OnActivateCategory(int categoryToActivate)
{
    // A disabled button is never activated, but an active one is still deactivated.
    if (categoryToActivate == m_category)
        Activate();
    else if (m_isActive)
        Deactivate();
}

void ClickableLabelBase::Press()
{
    if (IsEnabled())
        emit CategoryChanged(m_category);
}

void ClickableLabelBase::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Press();
}

void ClickableLabelBase::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: Press(); break;
    default: QLabel::keyPressEvent(event); break;
    }
}

void ClickableLabelBase::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    viewers::gui::PaintFocusFrame(this);
}

void ClickableLabelBase::enterEvent(QEvent*)
{
    if (!IsEnabled())
        return;
    m_opacityEffect->setOpacity(HoveredOpacity);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabelBase::leaveEvent(QEvent*)
{
    if (!IsEnabled())
        return;
    m_opacityEffect->setOpacity(RestingOpacity);
    setCursor(Qt::ArrowCursor);
}

} // namespace pluginGui
