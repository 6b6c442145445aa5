#pragma once

#include <QObject>
#include <QPointer>

#include <map>

class QModelIndex;
class QSplitter;
class QToolButton;

namespace map {
class IMapPanel;
}

namespace appleMaps::ui {

class AppleMapsCategoryTableViewBase;
struct AppleMapsWidgetForm;

// The map beside the tables of the Apple Maps page. It draws the rows that the shown category's
// table shows, after date filter and search, and keeps the table's current row and the map's
// highlighted shape in step: choosing a row centres the map on it, clicking a shape makes its
// row current. A toggle button before the export button shows and hides the map; the choice
// holds as long as the process (the viewer's window) lives. The map and its library are loaded the
// first time it is shown, and it is drawn only while it is shown.
class AppleMapsMapBinder final : public QObject {
    Q_OBJECT

public:
    // Puts a splitter with the map around the form's stacked tables and the toggle into its
    // buttons. views: the table of each category; they live as long as the page.
    AppleMapsMapBinder(AppleMapsWidgetForm& form, const std::map<int, AppleMapsCategoryTableViewBase*>& views,
                       QWidget* page);

private slots:
    void OnCategoryShown(int category);
    void OnToggled(bool shown);
    void OnCurrentRowChanged(const QModelIndex& current);
    void OnShapeClicked(int sourceRow);
    void Refresh();

private:
    void ScheduleRefresh();
    void ConnectView(AppleMapsCategoryTableViewBase* view);
    void ShowMap(bool shown);
    // Null when the map's library cannot be loaded: the user is told, and the toggle unchecks.
    map::IMapPanel* MakePanel();
    bool IsMapShown() const;

    std::map<int, QPointer<AppleMapsCategoryTableViewBase>> m_views;
    QSplitter* m_splitter;
    QToolButton* m_toggle;
    map::IMapPanel* m_panel = nullptr;
    int m_category = -1;
    QPointer<AppleMapsCategoryTableViewBase> m_view;
    bool m_refreshScheduled = false;
    // A row made current by a click on the map: the map stays where the user clicked.
    bool m_selectingFromMap = false;
};

} // namespace appleMaps::ui
