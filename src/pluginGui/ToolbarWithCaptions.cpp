#include "ToolbarWithCaptions.h"

#include "ClickableLabelBase.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace pluginGui {

namespace {

// Keeps neighbouring captions apart however narrow their buttons are.
constexpr int MinimumColumnWidth = 54;
// Keeps captions wider than that minimum (longer translations) from running into each other.
constexpr int CaptionMargin = 4;

QHBoxLayout* AddCentredRow(QVBoxLayout* column)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->setAlignment(Qt::AlignCenter);
    column->addLayout(row);
    return row;
}

} // namespace

ToolbarWithCaptions::ToolbarWithCaptions(QWidget* parent, QMargins contentsMargins, int spacing)
    : ToolbarBase(parent, contentsMargins, spacing)
{
}

void ToolbarWithCaptions::AddButton(QWidget* button)
{
    using viewers::gui::ApplyStyle;
    namespace StyleGroup = viewers::gui::StyleGroup;
    namespace StyleClass = viewers::gui::StyleClass;

    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->setAlignment(Qt::AlignCenter);
    GetLayout()->addLayout(column);
    AddCentredRow(column)->addWidget(button);

    const QString caption = button->toolTip();
    int width = button->width();
    if (!caption.isEmpty()) {
        QHBoxLayout* captionRow = AddCentredRow(column);
        captionRow->setContentsMargins(CaptionMargin, 0, CaptionMargin, 0);
        auto* label = new QLabel(this);
        ApplyStyle(StyleGroup::Label, StyleClass::foreground_gray_middle, label);
        ApplyStyle(StyleGroup::Label, StyleClass::font_pre_tiny, label);
        label->setText(caption);
        // Sized to its text now, so that its width can be weighed against the button's.
        label->adjustSize();
        captionRow->addWidget(label);
        if (label->width() > width)
            width = 2 * button->width() - label->width();
        if (auto* categoryButton = qobject_cast<ClickableLabelBase*>(button))
            m_captions[categoryButton->GetCategory()] = label;
        else
            LOG_DEBUG << "A caption for a widget that is no category button";
    }
    column->addSpacerItem(new QSpacerItem(std::max(width, MinimumColumnWidth), 0, QSizePolicy::Fixed, QSizePolicy::Fixed));
}

void ToolbarWithCaptions::SetCurrentCategory(int category)
{
    using viewers::gui::ApplyStyle;
    namespace StyleGroup = viewers::gui::StyleGroup;
    namespace StyleClass = viewers::gui::StyleClass;

    for (const auto& [captionCategory, label] : m_captions) {
        const bool current = captionCategory == category;
        ApplyStyle(StyleGroup::Label, current ? StyleClass::foreground_gray_middle : StyleClass::foreground_pre_orange,
                   label, false);
        ApplyStyle(StyleGroup::Label, current ? StyleClass::foreground_pre_orange : StyleClass::foreground_gray_middle,
                   label, true);
    }
    ToolbarBase::SetCurrentCategory(category);
}

} // namespace pluginGui
