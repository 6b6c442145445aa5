#pragma once

#include "core/CategoryViewBase.h"
#include "exportReport/interfaces/ExportReportActionType.h"
#include "pluginGui/IExportButtonWidget.h"

#include <QString>
#include <QTimeZone>

#include <map>
#include <memory>

class QAbstractItemModel;
class QModelIndex;

namespace cmn {
class RunnableTask;
}

namespace pluginGui {
class FilterStateWidgetResizeable;
class SearchFilterEditWidget;
class StackedFilterWidget;
} // namespace pluginGui

namespace viewers::gui {
class NoResultsWidget;
}

namespace appleMaps {

class IAppleMapsPresenter;

namespace ui {

class AppleMapsCategoryTableViewBase;
class AppleMapsFilterManager;
class AppleMapsToolBar;
struct AppleMapsWidgetForm;

// The Apple Maps page: a toolbar of the four record kinds (0 searches, 1 favourites, 2 explored
// places, 3 directions searches) over one table per kind, with the filter panel, the search box,
// the info bars and the export button wired to the current kind. Starts on the first kind that
// has records.
class AppleMapsWidget final : public core::CategoryViewBase, public pluginGui::IExportButtonWidget {
    Q_OBJECT
    Q_INTERFACES(pluginGui::IExportButtonWidget)

public:
    // presenter: not owned; its records and filter contexts outlive the page.
    explicit AppleMapsWidget(IAppleMapsPresenter* presenter);
    ~AppleMapsWidget() override;

    void NotifyCategoryLoaded() override;
    void PrepareForShutdown() override;
    pluginGui::ExportButton* GetExportButton() const override;

    // Writes the current kind to a KML file on a worker thread: All takes every record, Filtered
    // the rows the table shows, in its order; other scopes do nothing.
    void ExportCategory(exportReport::ExportReportActionType exportType, const QString& path);
    // Exports the records that column 0 of the rows under rootIndex points to, in row order.
    void ExportAppleMapsToFile(const QString& fileName, const QAbstractItemModel& model, const QModelIndex& rootIndex,
                               int category);

    // The kind's records, shown or not; 0 for a kind without a table.
    int GetRecordCount(int category) const;

signals:
    void SearchTag(QString tag);
    void SearchFilterFinished(uint count);

private slots:
    void OnCategoryActivated(int category);
    void OnFilterContextChanged(int category);
    void OnSearchTag(QString searchTag);
    void OnSearchFinished();
    void OnMoveToMatch(int matchIndex);
    void OnExportStart(QString fileName);
    void OnExportFinish(QString fileName);
    void OnShowError(QString id, QString message);

private:
    void BuildPages();
    void CreateShortcuts();
    void ChainTabOrder();
    void ConnectSearchResults(AppleMapsCategoryTableViewBase* view);
    void DisconnectSearchResults(AppleMapsCategoryTableViewBase* view);
    AppleMapsCategoryTableViewBase* FindView(int category) const;
    void UpdateCategoryView(int category);
    void UpdateFilteredStatistics(int category);
    bool IsExporting() const;

    IAppleMapsPresenter* m_presenter;
    std::unique_ptr<AppleMapsWidgetForm> m_ui;
    std::unique_ptr<AppleMapsFilterManager> m_filterManager;
    viewers::gui::NoResultsWidget* m_noResultsWidget = nullptr;
    pluginGui::SearchFilterEditWidget* m_searchEdit = nullptr;
    pluginGui::FilterStateWidgetResizeable* m_filterPanel = nullptr;
    pluginGui::StackedFilterWidget* m_stackedFilter = nullptr;
    AppleMapsToolBar* m_toolbar = nullptr;
    std::map<int, AppleMapsCategoryTableViewBase*> m_pages;
    pluginGui::ExportButton* m_exportButton = nullptr;
    QTimeZone m_timeZone;
    bool m_exporting = false;
    bool m_exportFailed = false;
    // Last, so that a running export ends before anything it reads goes away.
    std::unique_ptr<cmn::RunnableTask> m_exportTask;
};

} // namespace ui
} // namespace appleMaps
