#include "FilterStateWidget.h"

#include "pluginQml/FilterSwitcher.h"
#include "viewers/gui/IconButton.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QHBoxLayout>
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
    m_expanded->hide();
    m_collapsed->show();
}

void FilterStateWidget::OnShowFilterClicked()
{
    m_hiding = false;
    m_collapsed->hide();
    m_expanded->show();
    const QRect open = m_openGeometry.isValid() ? m_openGeometry : geometry();
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
    m_hiding = true;
    m_openGeometry = geometry();
    m_animation->stop();
    m_animation->setStartValue(m_openGeometry);
    m_animation->setEndValue(SlidOutGeometry(m_openGeometry));
    m_animation->start();
}

bool FilterStateWidget::eventFilter(QObject* watched, QEvent* event)
{
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
    auto* title = new QLabel(QCoreApplication::translate("FilterStateWidget", "Filter"), row);
    for (const int styleClass : {StyleClass::font_post_small, StyleClass::foreground_gray_pre_middle})
        ApplyStyle(StyleGroup::Label, styleClass, title);
    m_hideButton = new QPushButton(QCoreApplication::translate("FilterStateWidget", "Hide"), row);
    m_hideButton->setCursor(Qt::PointingHandCursor);
    for (const int styleClass : {StyleClass::hyper_link, StyleClass::foreground_orange, StyleClass::border_bottom_dashed,
                                 StyleClass::border_bottom_width_1})
        ApplyStyle(StyleGroup::Button, styleClass, m_hideButton);
    m_switch = new pluginQml::FilterSwitcher(row);
    m_switch->setMaximumSize(SwitchMaximumSize);
    m_switch->setMinimumSize(SwitchMaximumSize);
    m_switch->installEventFilter(this);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 8, 12, 8);
    layout->setSpacing(6);
    layout->addWidget(m_filterIcon);
    layout->addWidget(title);
    layout->addStretch(1);
    layout->addWidget(m_hideButton);
    layout->addWidget(m_switch);

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
    delete m_filterIcon->parentWidget()->layout()->replaceWidget(m_filterIcon, icon);
    delete m_filterIcon;
    m_filterIcon = icon;
}

QRect FilterStateWidget::SlidOutGeometry(const QRect& open) const
{
    const int shift = open.width() - CollapsedWidth;
    return open.translated(m_leftAnchored ? -shift : shift, 0);
}

} // namespace pluginGui
