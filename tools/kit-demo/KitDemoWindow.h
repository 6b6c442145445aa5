#pragma once

#include "DemoPlaces.h"

#include <QStandardItemModel>
#include <QWidget>

#include <memory>
#include <vector>

namespace pluginGui {
class ExportButton;
class InfoBarWidget;
class SortFilterProxyModelBase;
} // namespace pluginGui

namespace viewers::gui {
class IFilter;
class NotificationPopupTimerWidget;
} // namespace viewers::gui

class QTableView;

namespace demo {

// A category page put together from the GUI kit over a handful of favourites: toolbar, export
// button, statistics bar and a filtered, searched table.
class KitDemoWindow final : public QWidget {
    Q_OBJECT

public:
    KitDemoWindow();
    ~KitDemoWindow() override;

    pluginGui::ExportButton* GetExportButton() const { return m_exportButton; }
    // Slides the export notification in at the top of the window.
    void ShowExportNotification();

private:
    QWidget* CreateHeader();
    QTableView* CreateTable();
    void FillStatistics();

    std::vector<DemoPlace> m_places;
    QStandardItemModel m_model;
    std::unique_ptr<viewers::gui::IFilter> m_filter;
    pluginGui::SortFilterProxyModelBase* m_proxy = nullptr;
    pluginGui::ExportButton* m_exportButton = nullptr;
    pluginGui::InfoBarWidget* m_infoBar = nullptr;
    viewers::gui::NotificationPopupTimerWidget* m_notification = nullptr;
};

} // namespace demo
