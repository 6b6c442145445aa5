#pragma once

class QHBoxLayout;
class QStackedWidget;
class QVBoxLayout;
class QWidget;

namespace appleMaps::ui {

// The fixed layout of the Apple Maps page, built in code. Every part carries the object name it
// is declared under; the page fills the placeholders.
struct AppleMapsWidgetForm final {
    void SetupUi(QWidget* page);

    QVBoxLayout* verticalLayout = nullptr;
    QWidget* mainWidget = nullptr;
    QHBoxLayout* horizontalLayout_3 = nullptr;
    QHBoxLayout* layoutFilter = nullptr;
    QVBoxLayout* layoutCenter = nullptr;
    QHBoxLayout* layoutSearch = nullptr;
    QHBoxLayout* layoutToolBar = nullptr;
    QHBoxLayout* toolbarPlaceholder = nullptr;
    QHBoxLayout* layoutTitleAndButtons = nullptr;
    QHBoxLayout* layoutButtons = nullptr;
    QVBoxLayout* explortButtonPlaceolder = nullptr;
    QVBoxLayout* layoutData = nullptr;
    QStackedWidget* stackedWidget = nullptr;
    QWidget* pageSearchHistory = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QWidget* pageBookmarks = nullptr;
    QVBoxLayout* verticalLayout_4 = nullptr;
    QWidget* pagePlaces = nullptr;
    QVBoxLayout* verticalLayout_2 = nullptr;
    QWidget* pageDirections = nullptr;
    QVBoxLayout* verticalLayout_6 = nullptr;
};

} // namespace appleMaps::ui
