#include "CheckBoxWithItemsCount.h"

#include "viewers/gui/ElideCheckBox.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace pluginGui {

namespace {

constexpr int CountSpacing = 4;

} // namespace

CheckBoxWithItemsCount::CheckBoxWithItemsCount(QWidget* parent, const QString& text, int fontClass)
    : QWidget(parent)
    , m_checkBox(new viewers::gui::ElideCheckBox(this))
    , m_countLabel(new QLabel(this))
{
    using viewers::gui::ApplyStyle;
    namespace StyleGroup = viewers::gui::StyleGroup;
    namespace StyleClass = viewers::gui::StyleClass;

    for (const int styleClass : {fontClass, int(StyleClass::check_box_filter), int(StyleClass::check_box_indicator)})
        ApplyStyle(StyleGroup::CheckBoxIndicators, styleClass, m_checkBox);
    for (const int styleClass : {StyleClass::font_pre_tiny, StyleClass::foreground_gray_middle})
        ApplyStyle(StyleGroup::Label, styleClass, m_countLabel);
    m_checkBox->SetText(text);
    m_countLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(CountSpacing);
    layout->addWidget(m_checkBox);
    layout->addWidget(m_countLabel);
    layout->addStretch(1);

    connect(m_checkBox, &QCheckBox::clicked, this, &CheckBoxWithItemsCount::CheckBoxClicked);
    connect(this, &CheckBoxWithItemsCount::ShowCount, this, &CheckBoxWithItemsCount::OnShowCount);
}

void CheckBoxWithItemsCount::SetText(const QString& text)
{
    m_checkBox->SetText(text);
    ShareWidth();
}

void CheckBoxWithItemsCount::SetCheckState(Qt::CheckState state)
{
    m_checkBox->setCheckState(state);
}

bool CheckBoxWithItemsCount::IsChecked() const
{
    return m_checkBox->isChecked();
}

void CheckBoxWithItemsCount::SetCounts(std::uint64_t total, std::uint64_t shown, bool differenceMode)
{
    if (total == 0) {
        setEnabled(false);
        return;
    }
    QString text;
    if (differenceMode) {
        if (shown != total)
            text = QStringLiteral("(-%1)").arg(total - shown);
    } else {
        setEnabled(!(m_checkBox->isChecked() && shown == 0));
        text = shown == total ? QStringLiteral("(%1)").arg(total) : QStringLiteral("(%1/%2)").arg(shown).arg(total);
    }
    m_countLabel->setText(text);
    ShareWidth();
}

void CheckBoxWithItemsCount::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ShareWidth();
}

void CheckBoxWithItemsCount::OnShowCount(bool isShow)
{
    m_countLabel->setVisible(isShow);
    ShareWidth();
}

void CheckBoxWithItemsCount::ShareWidth()
{
    int available = width();
    if (!m_countLabel->isHidden())
        available -= m_countLabel->sizeHint().width() + CountSpacing;
    m_checkBox->SetAvailableWidth(std::max(0, available));
    QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

} // namespace pluginGui
