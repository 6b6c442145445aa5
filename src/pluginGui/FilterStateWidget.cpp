#include "FilterStateWidget.h"

#include "TabOrder.h"

#include "pluginQml/FilterSwitcher.h"
#include "viewers/gui/IconButton.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>

namespace pluginGui {

namespace {

using viewers::gui::ApplyStyle;
namespace StyleGroup = viewers::gui::StyleGroup;
namespace StyleClass = viewers::gui::StyleClass;

// What stays in view of a panel slid out, and the width of the collapsed strip.
constexpr int CollapsedWidth = 20;
constexpr QSize IconSize(16, 16);
constexpr QSize IconButtonSize(20, 20);
constexpr QSize SwitchMaximumSize(48, 22);

QString FilterIconPath(bool active)
{
    return active ? QStringLiteral(":/Resources/images/activeFilter.svg") : QStringLiteral(":/Resources/images/filter.svg");
}

viewers::gui::IconButton* CreateIconButton(QWidget* parent, const QString& svgPath, const QSize& iconSize)
{
    auto* button = new viewers::gui::IconButton(parent, svgPath, iconSize, IconButtonSize);
    ApplyStyle(StyleGroup::Button, StyleClass::border_none, button);
    return button;
}

} // namespace

FilterStateWidget::FilterStateWidget(QWidget* parent, bool leftAnchored, int animationDuration, int spacerHeight)
    : QWidget(parent)
    , m_leftAnchored(leftAnchored)
    , m_expanded(new QWidget(this))
    , m_collapsed(CreateCollapsedPart())
    , m_animation(new QPropertyAnimation(this, "geometry", this))
{
    auto* expandedLayout = new QVBoxLayout(m_expanded);
    expandedLayout->setContentsMargins(0, 0, 0, 0);
    expandedLayout->setSpacing(0);
    expandedLayout->addWidget(CreateHeader(spacerHeight));
    m_controlsLayout = new QVBoxLayout;
    m_controlsLayout->setContentsMargins(12, 0, 12, 12);
    expandedLayout->addLayout(m_controlsLayout, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_collapsed);
    layout->addWidget(m_expanded);
    m_collapsed->hide();

    m_animation->setDuration(animationDuration);
    connect(m_animation, &QPropertyAnimation::finished, this, &FilterStateWidget::OnAnimationFinished);
}

void FilterStateWidget::SetFilterWidget(QWidget* filterWidget)
{
    filterWidget->setParent(m_expanded);
    m_controlsLayout->addWidget(filterWidget);
    // Reparenting puts the controls at the end of the focus chain: they come after the title row.
    ChainTabOrder(QList<QWidget*>{m_showButton, m_hideButton, m_switch} + TabStopsWithin(filterWidget));
}

void FilterStateWidget::SetSwitchState(int state)
{
    m_switch->SetCheckState(state);
}

void FilterStateWidget::OnFilterStateChanged(bool isDisabled)
{
    ApplyStyle(StyleGroup::Button, isDisabled ? StyleClass::foreground_orange : StyleClass::foreground_gray, m_hideButton, false);
    ApplyStyle(StyleGroup::Button, isDisabled ? StyleClass::foreground_gray : StyleClass::foreground_orange, m_hideButton, true);
}

void FilterStateWidget::ShowHiddenFilterWidget()
{
    KeepOpenSize();
    m_expanded->hide();
    m_collapsed->show();
    // The strip takes no more room than it needs, however the page's other columns grow or
    // shrink; it stays where the slid-out panel left it in view, at the anchor.
    PanelLayout()->invalidate();
    const int stripWidth = PanelLayout()->sizeHint().width();
    const QRect slid = geometry();
    setFixedWidth(stripWidth);
    setGeometry(m_leftAnchored ? slid.right() + 1 - stripWidth : slid.left(), slid.top(), stripWidth, slid.height());
}

void FilterStateWidget::OnShowFilterClicked()
{
    m_hiding = false;
    m_collapsed->hide();
    m_expanded->show();
    const int openWidth = m_openSize ? m_openSize->width : width();
    if (m_openSize) {
        setMinimumWidth(m_openSize->minimumWidth);
        setMaximumWidth(m_openSize->maximumWidth);
        setSizePolicy(m_openSize->policy);
        m_openSize.reset();
    }
    const QRect open = OpenGeometry(openWidth);
    m_animation->stop();
    m_animation->setStartValue(SlidOutGeometry(open));
    m_animation->setEndValue(open);
    m_animation->start();
}

void FilterStateWidget::OnFilterSwitchStateChanged(int state)
{
    ShowFilterIcon(state == Qt::Checked);
    emit FilterSwitchStateChanged(state);
}

void FilterStateWidget::OnHideFilterClicked()
{
    KeepOpenSize();
    m_hiding = true;
    const QRect open = geometry();
    m_animation->stop();
    m_animation->setStartValue(open);
    m_animation->setEndValue(SlidOutGeometry(open));
    m_animation->start();
}

bool FilterStateWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_switch && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        m_switchFrame->setFrameShape(event->type() == QEvent::FocusIn ? QFrame::Box : QFrame::NoFrame);
    if (watched == m_switch && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int state = m_switch->IsChecked() ? Qt::Checked : Qt::Unchecked;
            if (isSignalConnected(QMetaMethod::fromSignal(&FilterStateWidget::FilterSwitchClicked)))
                emit FilterSwitchClicked(state);
            else
                SetSwitchState(state == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            return true;
        }
    }
    // The page owns the decision: while it listens, a click only asks it.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == m_switch && press && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
        && isSignalConnected(QMetaMethod::fromSignal(&FilterStateWidget::FilterSwitchClicked))) {
        emit FilterSwitchClicked(m_switch->IsChecked() ? Qt::Checked : Qt::Unchecked);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FilterStateWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(rect());
    QWidget::paintEvent(event);
}

QBoxLayout* FilterStateWidget::PanelLayout() const
{
    return static_cast<QBoxLayout*>(layout());
}

void FilterStateWidget::SetAnimationDuration(int milliseconds)
{
    m_animation->setDuration(milliseconds);
}

void FilterStateWidget::KeepOpenSize()
{
    if (!m_openSize && m_expanded->isVisibleTo(this))
        m_openSize = SizeLimits{width(), minimumWidth(), maximumWidth(), sizePolicy()};
}

void FilterStateWidget::OnAnimationFinished()
{
    if (m_hiding)
        ShowHiddenFilterWidget();
}

QWidget* FilterStateWidget::CreateHeader(int spacerHeight)
{
    auto* row = new QWidget(m_expanded);
    // The switch draws on the row's grey, so that it blends in.
    row->setAttribute(Qt::WA_StyledBackground);
    ApplyStyle(StyleGroup::Widget, StyleClass::background_gray_light, row);

    m_filterIcon = CreateIconButton(row, FilterIconPath(false), IconSize);
    // A picture of the state, not a control.
    m_filterIcon->setFocusPolicy(Qt::NoFocus);
    auto* title = new QLabel(QCoreApplication::translate("FilterStateWidget", "Filter"), row);
    for (const int styleClass : {StyleClass::font_post_small, StyleClass::foreground_gray_pre_middle})
        ApplyStyle(StyleGroup::Label, styleClass, title);
    m_hideButton = new QPushButton(QCoreApplication::translate("FilterStateWidget", "Hide"), row);
    m_hideButton->setObjectName(QStringLiteral("btnHide"));
    m_hideButton->setCursor(Qt::PointingHandCursor);
    for (const int styleClass : {StyleClass::hyper_link, StyleClass::foreground_orange, StyleClass::border_bottom_dashed,
                                 StyleClass::border_bottom_width_1})
        ApplyStyle(StyleGroup::Button, styleClass, m_hideButton);
    m_switchFrame = new QFrame(row);
    m_switchFrame->setFrameShadow(QFrame::Plain);
    m_switch = new pluginQml::FilterSwitcher(m_switchFrame);
    m_switch->setObjectName(QStringLiteral("filterSwitch"));
    m_switch->setMaximumSize(SwitchMaximumSize);
    m_switch->setMinimumSize(SwitchMaximumSize);
    m_switch->setFocusPolicy(Qt::StrongFocus);
    m_switch->installEventFilter(this);
    auto* frameLayout = new QHBoxLayout(m_switchFrame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(m_switch);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 8, 12, 8);
    layout->setSpacing(6);
    layout->addWidget(m_filterIcon);
    layout->addWidget(title);
    layout->addStretch(1);
    layout->addWidget(m_hideButton);
    layout->addWidget(m_switchFrame);

    auto* column = new QWidget(m_expanded);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(0);
    columnLayout->addWidget(row);
    columnLayout->addSpacing(spacerHeight);

    connect(m_hideButton, &QPushButton::clicked, this, &FilterStateWidget::OnHideFilterClicked);
    connect(m_switch, &pluginQml::FilterSwitcher::SwitchStateChanged, this, &FilterStateWidget::OnFilterSwitchStateChanged);
    return column;
}

QWidget* FilterStateWidget::CreateCollapsedPart()
{
    auto* strip = new QWidget(this);
    strip->setFixedWidth(CollapsedWidth);
    const QString arrow = m_leftAnchored ? QStringLiteral(":/Resources/images/arrow_next.svg")
                                         : QStringLiteral(":/Resources/images/arrow_prev.svg");
    auto* showButton = CreateIconButton(strip, arrow, QSize(6, 12));
    showButton->SetColor(viewers::gui::IconButton::Normal, QColor(0xF7, 0x94, 0x1D));
    showButton->setCursor(Qt::PointingHandCursor);
    showButton->setObjectName(QStringLiteral("btnShowFilter"));
    m_showButton = showButton;
    auto* layout = new QVBoxLayout(strip);
    // Level with the title row's icons.
    layout->setContentsMargins(0, 9, 0, 0);
    layout->addWidget(showButton);
    layout->addStretch(1);
    connect(showButton, &QPushButton::clicked, this, &FilterStateWidget::OnShowFilterClicked);
    return strip;
}

void FilterStateWidget::ShowFilterIcon(bool active)
{
    // An icon button keeps the picture it was built with.
    viewers::gui::IconButton* icon = CreateIconButton(m_filterIcon->parentWidget(), FilterIconPath(active), IconSize);
    icon->setFocusPolicy(Qt::NoFocus);
    delete m_filterIcon->parentWidget()->layout()->replaceWidget(m_filterIcon, icon);
    delete m_filterIcon;
    m_filterIcon = icon;
}

QRect FilterStateWidget::OpenGeometry(int openWidth) const
{
    const QRect current = geometry();
    const int left = m_leftAnchored ? current.left() : current.right() + 1 - openWidth;
    return QRect(left, current.top(), openWidth, current.height());
}

QRect FilterStateWidget::SlidOutGeometry(const QRect& open) const
{
    const int shift = open.width() - CollapsedWidth;
    return open.translated(m_leftAnchored ? -shift : shift, 0);
}

} // namespace pluginGui
