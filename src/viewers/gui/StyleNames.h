#pragma once

namespace viewers::gui {

// The style-sheet resources by index: the group a caller passes to StyleSheetManager::Apply.
namespace StyleGroup {
enum Value : int {
    Widget = 0,
    Button = 1,
    Table = 2,
    TableWidget = 3,
    HeaderView = 4,
    ScrollBar = 5,
    VerticalScrollBar = 6,
    HorizontalScrollBar = 7,
    Label = 8,
    TextEdit = 9,
    CheckBox = 10,
    CheckBoxIndicators = 11,
    ComboBox = 12,
    ListWidget = 13,
    DisplayedModeWidget = 14,
    ViewBackupPageWidget = 15,
    Reserved = 16,
    ArrowSelectedListWidget = 17,
    AboutPage = 18,
    SelectedItemColor = 19,
    AbstractScrollArea = 20,
    ProgressBar = 21,
    WPNotesTreeView = 22,
    GraphicsScene = 23,
    LineEdit = 24,
    TreeView = 25,
    Menu = 26,
    ToolButton = 27,
    Frame = 28,
    Count
};
} // namespace StyleGroup

// The resource path of a group's sheet; null for the reserved group and outside the range.
const char* StyleGroupResource(int group);

// The style classes in index order. Each is a dynamic property that the sheets select on
// (`QLabel[font_bold="true"]`), so the enumerators carry the property names unchanged.
#define VIEWERS_GUI_STYLE_CLASSES(X) \
    X(common) /* 0 */ \
    X(hyper_link) /* 1 */ \
    X(hyper_link_underline) /* 2 */ \
    X(font_pre_tiny) /* 3 */ \
    X(font_tiny) /* 4 */ \
    X(font_post_tiny) /* 5 */ \
    X(font_pre_small) /* 6 */ \
    X(font_small) /* 7 */ \
    X(font_post_small) /* 8 */ \
    X(font_pre_large) /* 9 */ \
    X(font_large) /* 10 */ \
    X(font_large2) /* 11 */ \
    X(font_pre_huge) /* 12 */ \
    X(font_middle_huge) /* 13 */ \
    X(font_huge) /* 14 */ \
    X(font_huge2) /* 15 */ \
    X(font_huge3) /* 16 */ \
    X(font_huge4) /* 17 */ \
    X(font_huge6) /* 18 */ \
    X(font_bold) /* 19 */ \
    X(font_italic) /* 20 */ \
    X(foreground_black) /* 21 */ \
    X(foreground_white) /* 22 */ \
    X(foreground_white_a30) /* 23 */ \
    X(foreground_red) /* 24 */ \
    X(foreground_red_dark) /* 25 */ \
    X(background_red_light) /* 26 */ \
    X(foreground_green) /* 27 */ \
    X(foreground_post_green) /* 28 */ \
    X(foreground_yellow) /* 29 */ \
    X(foreground_pre_orange) /* 30 */ \
    X(foreground_orange) /* 31 */ \
    X(foreground_post_orange) /* 32 */ \
    X(foreground_pre_blue) /* 33 */ \
    X(foreground_blue) /* 34 */ \
    X(foreground_gray) /* 35 */ \
    X(foreground_gray_pre_dark) /* 36 */ \
    X(foreground_gray_dark) /* 37 */ \
    X(foreground_gray_post_dark) /* 38 */ \
    X(foreground_gray_pre_middle) /* 39 */ \
    X(foreground_gray_middle) /* 40 */ \
    X(foreground_gray_post_middle) /* 41 */ \
    X(foreground_gray_post_middle_light) /* 42 */ \
    X(foreground_gray_pre_light) /* 43 */ \
    X(foreground_gray_light) /* 44 */ \
    X(foreground_gray_post_light) /* 45 */ \
    X(foreground_calendars_item) /* 46 */ \
    X(foreground_calendars_item_selected) /* 47 */ \
    X(background_orange) /* 48 */ \
    X(foreground_blue_middle) /* 49 */ \
    X(background_white) /* 50 */ \
    X(background_red) /* 51 */ \
    X(background_gray) /* 52 */ \
    X(background_gray_dark) /* 53 */ \
    X(background_gray_dark_eclipse) /* 54 */ \
    X(background_gray_post_dark) /* 55 */ \
    X(background_gray_middle) /* 56 */ \
    X(background_gray_pre_light) /* 57 */ \
    X(background_gray_post_light) /* 58 */ \
    X(background_gray_light) /* 59 */ \
    X(background_green_middle) /* 60 */ \
    X(background_blue_middle) /* 61 */ \
    X(background_blue_selected_item) /* 62 */ \
    X(background_blue_light) /* 63 */ \
    X(background_green) /* 64 */ \
    X(background_green_dark) /* 65 */ \
    X(background_eclipse) /* 66 */ \
    X(background_eclipse_dark) /* 67 */ \
    X(background_brown_light) /* 68 */ \
    X(background_transparent) /* 69 */ \
    X(border_none) /* 70 */ \
    X(border_solid) /* 71 */ \
    X(border_left_solid) /* 72 */ \
    X(border_right_solid) /* 73 */ \
    X(border_top_solid) /* 74 */ \
    X(border_bottom_solid) /* 75 */ \
    X(border_solid_2) /* 76 */ \
    X(border_left_solid_2) /* 77 */ \
    X(border_right_solid_2) /* 78 */ \
    X(border_top_solid_2) /* 79 */ \
    X(border_bottom_solid_2) /* 80 */ \
    X(border_left_solid_6) /* 81 */ \
    X(border_right_solid_6) /* 82 */ \
    X(border_top_solid_6) /* 83 */ \
    X(border_bottom_solid_6) /* 84 */ \
    X(border_bottom_dashed) /* 85 */ \
    X(border_color_gray_pre_middle) /* 86 */ \
    X(border_color_gray_pre_light) /* 87 */ \
    X(border_color_gray_light) /* 88 */ \
    X(border_color_red) /* 89 */ \
    X(border_color_orange) /* 90 */ \
    X(border_left_radius_small) /* 91 */ \
    X(border_right_radius_small) /* 92 */ \
    X(border_bottom_width_1) /* 93 */ \
    X(padding_none) /* 94 */ \
    X(padding_top_pre_tiny) /* 95 */ \
    X(padding_top_tiny) /* 96 */ \
    X(padding_top_pre_small) /* 97 */ \
    X(padding_top_small) /* 98 */ \
    X(padding_top_large) /* 99 */ \
    X(padding_bottom_pre_tiny) /* 100 */ \
    X(padding_bottom_tiny) /* 101 */ \
    X(padding_bottom_pre_small) /* 102 */ \
    X(padding_bottom_small) /* 103 */ \
    X(padding_bottom_large) /* 104 */ \
    X(padding_left_pre_small) /* 105 */ \
    X(padding_left_small) /* 106 */ \
    X(padding_left_large) /* 107 */ \
    X(padding_right_post_tiny) /* 108 */ \
    X(padding_right_pre_small) /* 109 */ \
    X(padding_right_small) /* 110 */ \
    X(padding_right_large) /* 111 */ \
    X(check_box_filter) /* 112 */ \
    X(check_box_indicator) /* 113 */ \
    X(check_box_indicator_medium) /* 114 */ \
    X(scene_background_color_gray) /* 115 */ \
    X(switch_filter_indicator) /* 116 */ \
    X(scroll_bar_slim) /* 117 */ \
    X(text_align_left) /* 118 */ \
    X(filter_combobox) /* 119 */ \
    X(backup_browser) /* 120 */ \
    X(align_right) /* 121 */ \
    X(align_top) /* 122 */ \
    X(style_border) /* 123 */ \
    X(border_post_tiny) /* 124 */ \
    X(spacing) /* 125 */ \
    X(spacing4) /* 126 */ \
    X(export_button) /* 127 */ \
    X(export_single_button) /* 128 */ \
    X(underline_dashed) /* 129 */ \
    X(style_inactive) /* 130 */

namespace StyleClass {
enum Value : int {
    // Sets no property: Apply then only sets the group's sheet.
    None = -1,
#define VIEWERS_GUI_STYLE_CLASS_ENUMERATOR(name) name,
    VIEWERS_GUI_STYLE_CLASSES(VIEWERS_GUI_STYLE_CLASS_ENUMERATOR)
#undef VIEWERS_GUI_STYLE_CLASS_ENUMERATOR
    Count
};
} // namespace StyleClass

// The property name of a class; null outside the range.
const char* StyleClassName(int styleClass);

} // namespace viewers::gui
