#include "StyleNames.h"

#include <array>

namespace viewers::gui {

const char* StyleGroupResource(int group)
{
    static constexpr std::array<const char*, StyleGroup::Count> resources = {
        ":/Widget.qss",
        ":/Button.qss",
        ":/Table.qss",
        ":/TableWidget.qss",
        ":/HeaderView.qss",
        ":/ScrollBar.qss",
        ":/VerticalScrollBar.qss",
        ":/HorizontalScrollBar.qss",
        ":/Label.qss",
        ":/TextEdit.qss",
        ":/CheckBox.qss",
        ":/CheckBoxIndicators.qss",
        ":/ComboBox.qss",
        ":/ListWidget.qss",
        ":/DisplayedModeWidget.qss",
        ":/ViewBackupPageWidget.qss",
        nullptr,
        ":/ArrowSelectedListWidget.qss",
        ":/AboutPage.qss",
        ":/SelectedItemColor.qss",
        ":/AbstractScrollArea.qss",
        ":/ProgressBar.qss",
        ":/WPNotesTreeView.qss",
        ":/GraphicsScene.qss",
        ":/LineEdit.qss",
        ":/TreeView.qss",
        ":/Menu.qss",
        ":/ToolButton.qss",
        ":/Frame.qss",
    };
    if (group < 0 || group >= StyleGroup::Count)
        return nullptr;
    return resources[static_cast<std::size_t>(group)];
}

const char* StyleClassName(int styleClass)
{
    static constexpr std::array<const char*, StyleClass::Count> names = {
#define VIEWERS_GUI_STYLE_CLASS_NAME(name) #name,
        VIEWERS_GUI_STYLE_CLASSES(VIEWERS_GUI_STYLE_CLASS_NAME)
#undef VIEWERS_GUI_STYLE_CLASS_NAME
    };
    if (styleClass < 0 || styleClass >= StyleClass::Count)
        return nullptr;
    return names[static_cast<std::size_t>(styleClass)];
}

} // namespace viewers::gui
