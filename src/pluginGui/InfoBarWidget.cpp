#include "InfoBarWidget.h"

#include "InfoBarElidedLabel.h"

#include "resources/KitResources.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace pluginGui {

namespace {

constexpr int LineIndent = 24;

bool IsUpdatable(int kind)
{
    return kind == PlainUpdatable || kind == StatisticsUpdatable;
}

bool IsStatistics(int kind)
{
    return kind == Statistics || kind == StatisticsUpdatable;
}

} // namespace

InfoBarWidget::InfoBarWidget(QWidget* parent)
    : QWidget(parent)
    , m_mainLayout(new QHBoxLayout(this))
    , m_columnLayout(new QGridLayout)
    , m_image(new QLabel(this))
{
    resources::InitKitResources();
    setObjectName(QStringLiteral("InfoBarWidget"));
    m_image->setObjectName(QStringLiteral("lblImage"));
    m_columnLayout->setObjectName(QStringLiteral("columnLayout"));
    m_mainLayout->setObjectName(QStringLiteral("mainLayout"));

    m_image->setPixmap(QPixmap(QStringLiteral(":/Resources/images/static_info.png")));
    m_mainLayout->addWidget(m_image, 0, Qt::AlignVCenter);
    m_mainLayout->addLayout(m_columnLayout, 1);
    m_columnLayout->setColumnStretch(0, 0);
    m_columnLayout->setColumnStretch(1, 0);
    m_columnLayout->setColumnStretch(2, 1);

    // A plain QWidget subclass draws a sheet's background only when asked to.
    setAttribute(Qt::WA_StyledBackground);
    viewers::gui::ApplyStyle(viewers::gui::StyleGroup::Widget, viewers::gui::StyleClass::background_gray_light, this);
}

void InfoBarWidget::SetStatistics(const InfoBarStatGroups& groups)
{
    for (QWidget* line : m_lines)
        delete line;
    m_lines.clear();
    m_updatableValues.clear();

    for (std::size_t group = 0; group < groups.size(); ++group) {
        for (std::size_t row = 0; row < groups[group].size(); ++row) {
            QWidget* line = CreateLine(groups[group][row]);
            m_columnLayout->addWidget(line, static_cast<int>(row), static_cast<int>(group));
            m_lines.push_back(line);
        }
    }
}

void InfoBarWidget::UpdateStatistics(const InfoBarStatGroups& groups)
{
    for (const std::vector<InfoBarStatInfo>& group : groups) {
        for (const InfoBarStatInfo& info : group) {
            const auto value = m_updatableValues.find(info.label);
            if (value != m_updatableValues.end())
                value->second->SetText(info.value);
        }
    }
}

void InfoBarWidget::SetGroupVisible(int group, bool visible)
{
    for (int row = 0; row < m_columnLayout->rowCount(); ++row) {
        if (QLayoutItem* item = m_columnLayout->itemAtPosition(row, group); item && item->widget())
            item->widget()->setVisible(visible);
    }
}

QWidget* InfoBarWidget::CreateLine(const InfoBarStatInfo& info)
{
    using viewers::gui::ApplyStyle;
    namespace StyleGroup = viewers::gui::StyleGroup;
    namespace StyleClass = viewers::gui::StyleClass;

    auto* line = new QWidget(this);
    auto* lineLayout = new QHBoxLayout(line);
    lineLayout->setContentsMargins(LineIndent, 0, 0, 0);

    auto* container = new QWidget(line);
    container->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    auto* containerLayout = new QHBoxLayout(container);
    containerLayout->setSpacing(0);
    containerLayout->setContentsMargins(0, 0, 0, 0);

    auto* caption = new QLabel(info.label, container);
    caption->setContentsMargins(0, 0, 0, 0);
    caption->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* value = new InfoBarElidedLabel(container, Qt::ElideRight);
    value->setContentsMargins(0, 0, 0, 0);
    value->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    value->setOpenExternalLinks(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                   | Qt::LinksAccessibleByKeyboard);
    // After the flags, which would make every value a tab stop.
    value->SetText(info.value);

    containerLayout->addWidget(caption);
    containerLayout->addWidget(value);
    lineLayout->addWidget(container);
    lineLayout->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));

    ApplyStyle(StyleGroup::Label, StyleClass::font_post_tiny, caption);
    if (IsStatistics(info.kind))
        ApplyStyle(StyleGroup::Label, StyleClass::foreground_gray_pre_middle, caption);
    ApplyStyle(StyleGroup::Label, StyleClass::font_post_tiny, value);

    if (IsUpdatable(info.kind))
        m_updatableValues[info.label] = value;
    return line;
}

} // namespace pluginGui
