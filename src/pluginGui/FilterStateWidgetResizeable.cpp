#include "FilterStateWidgetResizeable.h"

#include "viewers/gui/StyleSheetManager.h"

#include <QBoxLayout>
#include <QFrame>
#include <QMouseEvent>

#include <algorithm>

namespace pluginGui {

namespace {

constexpr int GripWidth = 2;
constexpr int GripLineHeight = 100;
constexpr int SpacerHeight = 30;

} // namespace

FilterStateWidgetResizeable::FilterStateWidgetResizeable(QWidget* parent, bool leftAnchored, int maximumWidth,
                                                         int minimumWidth)
    : FilterStateWidget(parent, leftAnchored, minimumWidth, SpacerHeight)
    , m_grip(CreateGrip())
{
    // A translated title row ("Filter", "Hide") may need more than the given minimum: the panel
    // grows to fit it rather than clip the title.
    m_minimumWidth = std::max(minimumWidth, ExpandedPart()->minimumSizeHint().width() + GripWidth);
    m_maximumWidth = std::max(maximumWidth, m_minimumWidth);
    PanelLayout()->insertWidget(leftAnchored ? PanelLayout()->count() : 0, m_grip);
    ExpandedPart()->setFixedWidth(m_minimumWidth - GripWidth);
    setMinimumWidth(m_minimumWidth);
    SetAnimationDuration(m_minimumWidth);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    ExpandedPart()->installEventFilter(this);
}

void FilterStateWidgetResizeable::OnHideFilterClicked()
{
    KeepOpenSize();
    setMinimumWidth(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    FilterStateWidget::OnHideFilterClicked();
}

bool FilterStateWidgetResizeable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ExpandedPart()) {
        // The collapsed strip cannot be resized: its grip would be a line that does nothing.
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            m_grip->setVisible(event->type() == QEvent::ShowToParent);
        return false;
    }
    if (watched != m_grip)
        return FilterStateWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_dragging = static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
        return m_dragging;
    case QEvent::MouseMove: {
        if (!m_dragging)
            return false;
        const int x = m_grip->mapTo(this, static_cast<const QMouseEvent*>(event)->pos()).x();
        ResizeTo(IsLeftAnchored() ? x : width() - x);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_dragging = false;
        return false;
    default:
        return false;
    }
}

QWidget* FilterStateWidgetResizeable::CreateGrip()
{
    auto* grip = new QWidget(this);
    grip->setFixedWidth(GripWidth);
    grip->setCursor(Qt::SplitHCursor);
    auto* line = new QFrame(grip);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(GripWidth);
    line->setFixedSize(GripWidth, GripLineHeight);
    viewers::gui::ApplyStyle(viewers::gui::StyleGroup::Frame, viewers::gui::StyleClass::None, line);
    auto* layout = new QVBoxLayout(grip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(line);
    layout->addStretch(1);
    grip->installEventFilter(this);
    return grip;
}

void FilterStateWidgetResizeable::ResizeTo(int newWidth)
{
    if (newWidth < m_minimumWidth || newWidth > m_maximumWidth || !ExpandedPart()->isVisible())
        return;
    ExpandedPart()->setFixedWidth(newWidth - GripWidth);
    setFixedWidth(newWidth);
    SetAnimationDuration(newWidth);
}

} // namespace pluginGui
