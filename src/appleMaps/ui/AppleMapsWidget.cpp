#include "AppleMapsWidget.h"

#include "AppleMapsBookmarksTableView.h"
#include "AppleMapsDirectionsSearchesTableView.h"
#include "AppleMapsFilterManager.h"
#include "AppleMapsMapBinder.h"
#include "AppleMapsModelBase.h"
#include "AppleMapsPlacesTableView.h"
#include "AppleMapsSearchHistoryTableView.h"
#include "AppleMapsToolBar.h"
#include "AppleMapsWidgetForm.h"
#include "RecordMetaTypes.h"

#include "appleMaps/presenter/IAppleMapsPresenter.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "appleMaps/records/CategoryName.h"

#include "CryptLog/log/Log.h"
#include "cmn/RunnableTask.h"
#include "cmn/filter/FilterContext.h"
#include "cmn/filter/FilterUtils.h"
#include "exportReport/button/ExportButton.h"
#include "pluginGui/BusyCursor.h"
#include "pluginGui/ClickableLabelBase.h"
#include "pluginGui/FilterStateWidgetResizeable.h"
#include "pluginGui/InfoBarWidget.h"
#include "pluginGui/SearchFilterEditWidget.h"
#include "pluginGui/StackedFilterWidget.h"
#include "pluginGui/TabOrder.h"
#include "viewers/gui/NoResultsWidget.h"
#include "viewers/gui/NotificationPopupTimerWidget.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <boost/filesystem/path.hpp>

#include <functional>
#include <vector>

namespace appleMaps::ui {

namespace {

// The info bar's column of the figures of the shown rows.
constexpr int FilteredStatisticsGroup = 1;
// Room the export notification leaves beside its message for the strip's buttons.
constexpr int NotificationReservedWidth = 198;

template <typename Record>
using SaveOperation = void (IAppleMapsPresenter::*)(location::LocationHistoryFileFormat,
                                                    const std::vector<const Record*>&,
                                                    const boost::filesystem::path&);

template <typename Record>
std::vector<const Record*> CollectRecords(const QAbstractItemModel& model, const QModelIndex& rootIndex)
{
    std::vector<const Record*> records;
    const int rowCount = model.rowCount(rootIndex);
    records.reserve(static_cast<std::size_t>(rowCount));
    for (int row = 0; row < rowCount; ++row)
        records.push_back(model.index(row, 0, rootIndex).data(Qt::UserRole).value<const Record*>());
    return records;
}

// The records are collected now, on the GUI thread; the task only writes them.
template <typename Record>
std::function<void()> BindSave(IAppleMapsPresenter* presenter, SaveOperation<Record> save,
                               const QAbstractItemModel& model, const QModelIndex& rootIndex,
                               const boost::filesystem::path& path)
{
    return [presenter, save, records = CollectRecords<Record>(model, rootIndex), path] {
        (presenter->*save)(location::LocationHistoryFileFormat::Kml, records, path);
    };
}

QVBoxLayout* PageBox(QWidget* page)
{
    auto* box = new QVBoxLayout;
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(10);
    page->layout()->addItem(box);
    return box;
}

} // namespace

AppleMapsWidget::AppleMapsWidget(IAppleMapsPresenter* presenter)
    : m_presenter(presenter)
    , m_ui(std::make_unique<AppleMapsWidgetForm>())
{
    m_ui->SetupUi(this);
    m_timeZone = QTimeZone::systemTimeZone();

    m_stackedFilter = new pluginGui::StackedFilterWidget(this, m_presenter, CategoryCount);
    connect(m_stackedFilter, &pluginGui::StackedFilterWidget::FilterContextChanged, this,
            &AppleMapsWidget::OnFilterContextChanged);

    m_filterPanel = new pluginGui::FilterStateWidgetResizeable(this, true, 340, 210);
    m_filterPanel->setObjectName(QStringLiteral("filterPanel"));
    m_filterPanel->SetFilterWidget(m_stackedFilter);
    m_stackedFilter->SetStateWidget(m_filterPanel);
    m_searchEdit = new pluginGui::SearchFilterEditWidget(this, QString());
    m_filterManager = std::make_unique<AppleMapsFilterManager>(*m_presenter);
    m_filterManager->SetFiltersData(&m_presenter->GetRecords());
    m_toolbar = new AppleMapsToolBar(this, this);
    m_noResultsWidget = new viewers::gui::NoResultsWidget(this);
    m_ui->layoutData->addWidget(m_noResultsWidget);
    m_noResultsWidget->hide();

    connect(m_toolbar, &AppleMapsToolBar::ActivateCategory, this, &AppleMapsWidget::OnCategoryActivated);
    connect(m_toolbar, &AppleMapsToolBar::ActivateCategory, m_stackedFilter,
            &pluginGui::StackedFilterWidget::OnCategoryChanged);

    BuildPages();
    new AppleMapsMapBinder(*m_ui, m_pages, this);

    connect(m_filterPanel, &pluginGui::FilterStateWidgetResizeable::FilterSwitchStateChanged, m_stackedFilter,
            &pluginGui::StackedFilterWidget::OnFilterSwitchStateChanged);
    connect(m_searchEdit, &pluginGui::SearchFilterEditWidget::SearchTag, this, &AppleMapsWidget::OnSearchTag);
    connect(this, &AppleMapsWidget::SearchFilterFinished, m_searchEdit, &pluginGui::SearchFilterEditWidget::OnCountTag);
    // Stepping through the matches moves the table to the record that holds the match; without
    // this the arrows would only count.
    connect(m_searchEdit, &pluginGui::SearchFilterEditWidget::MoveToTag, this, &AppleMapsWidget::OnMoveToMatch);

    m_exportButton = new pluginGui::ExportButton(this);
    m_ui->explortButtonPlaceolder->addWidget(m_exportButton);

    for (int category = FirstCategory; category <= LastCategory; ++category) {
        if (GetRecordCount(category) == 0)
            continue;
        m_toolbar->CreateButtons(m_toolbar, category);
        m_toolbar->Initialize(category);
        OnCategoryActivated(category);
        m_stackedFilter->OnCategoryChanged(category);
        break;
    }
    CreateShortcuts();
    ChainTabOrder();
}

AppleMapsWidget::~AppleMapsWidget() = default;

void AppleMapsWidget::BuildPages()
{
    m_ui->layoutSearch->addWidget(m_searchEdit);
    m_ui->toolbarPlaceholder->addWidget(m_toolbar);
    m_ui->layoutFilter->addWidget(m_filterPanel);

    const AppleMapsRecords& records = m_presenter->GetRecords();
    QWidget* const pageWidgets[CategoryCount] = {m_ui->pageSearchHistory, m_ui->pageBookmarks, m_ui->pagePlaces,
                                                 m_ui->pageDirections};
    for (int category = FirstCategory; category <= LastCategory; ++category) {
        QWidget* page = pageWidgets[category];
        auto* infoBar = new pluginGui::InfoBarWidget(page);
        viewers::gui::IFilter* filter = m_filterManager->GetFilter(category);
        AppleMapsCategoryTableViewBase* view = nullptr;
        switch (category) {
        case SearchesCategory:
            view = new AppleMapsSearchHistoryTableView(page, &records.querySearches, m_timeZone, filter, infoBar);
            break;
        case FavoritesCategory:
            view = new AppleMapsBookmarksTableView(page, &records.bookmarks, m_timeZone, filter, infoBar);
            break;
        case ExploredPlacesCategory:
            view = new AppleMapsPlacesTableView(page, &records.placeDisplays, m_timeZone, filter, infoBar);
            break;
        case DirectionsSearchesCategory:
            view = new AppleMapsDirectionsSearchesTableView(page, &records.directionSearches, m_timeZone, filter,
                                                            infoBar);
            break;
        default: break;
        }
        QVBoxLayout* box = PageBox(page);
        box->addWidget(infoBar);
        box->addWidget(view);
        m_pages[category] = view;
    }
    for (const auto& [category, view] : m_pages) {
        view->SetTimeZone(m_timeZone);
        view->update();
    }
}

void AppleMapsWidget::CreateShortcuts()
{
    const auto bind = [this](const QKeySequence& keys, auto slot) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    bind(QKeySequence::Find, [this] { m_searchEdit->FocusSearchLine(); });
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_F3), QKeySequence(Qt::CTRL + Qt::Key_G)})
        bind(keys, [this] { m_searchEdit->OnNextMatch(); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT + Qt::Key_F3), QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_G)})
        bind(keys, [this] { m_searchEdit->OnPreviousMatch(); });
    bind(QKeySequence(Qt::CTRL + Qt::Key_E), [this] { m_exportButton->OpenMenu(); });
    for (pluginGui::ClickableLabelBase* button : m_toolbar->GetButtons()) {
        if (button != nullptr)
            bind(QKeySequence(Qt::CTRL + Qt::Key_1 + button->GetCategory()), [button] { button->Press(); });
    }
}

void AppleMapsWidget::ChainTabOrder()
{
    // Reading order: the filter panel on the left, then the centre column from top to bottom.
    QList<QWidget*> stops;
    for (QWidget* area : std::initializer_list<QWidget*>{m_filterPanel, m_searchEdit, m_toolbar})
        stops << pluginGui::TabStopsWithin(area);
    // The buttons beside the export button (the map switch) come before it, from left to right.
    for (int index = 0; index < m_ui->layoutButtons->count(); ++index) {
        QWidget* button = m_ui->layoutButtons->itemAt(index)->widget();
        if (button && (button->focusPolicy() & Qt::TabFocus) != 0)
            stops << button;
    }
    stops << m_exportButton;
    for (const auto& [category, view] : m_pages)
        stops << view;
    pluginGui::ChainTabOrder(stops);
}

void AppleMapsWidget::NotifyCategoryLoaded()
{
    try {
        for (const auto& [category, view] : m_pages) {
            pluginGui::InfoBarStatGroups totals;
            view->CollectTotalStatistics(totals);
            pluginGui::InfoBarWidget* infoBar = view->GetInfoBar();
            infoBar->SetStatistics(totals);
            infoBar->SetGroupVisible(FilteredStatisticsGroup, false);
            UpdateFilteredStatistics(category);
        }
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsWidget::PrepareForShutdown()
{
    m_exportButton->hide();
    for (QWidget* part : std::initializer_list<QWidget*>{m_noResultsWidget, m_searchEdit, m_filterPanel, m_toolbar}) {
        if (part)
            part->hide();
    }
    m_pages.clear();
}

pluginGui::ExportButton* AppleMapsWidget::GetExportButton() const
{
    return m_exportButton;
}

int AppleMapsWidget::GetRecordCount(int category) const
{
    AppleMapsCategoryTableViewBase* view = FindView(category);
    return view && view->GetSourceModel() ? view->GetSourceModel()->rowCount() : 0;
}

AppleMapsCategoryTableViewBase* AppleMapsWidget::FindView(int category) const
{
    const auto found = m_pages.find(category);
    return found == m_pages.end() ? nullptr : found->second;
}

void AppleMapsWidget::OnCategoryActivated(int category)
{
    try {
        if (GetRecordCount(category) == 0)
            return;
        pluginGui::ShowBusyCursorUntilIdle();
        m_filterManager->SetCurrentCategory(category);
        m_ui->stackedWidget->setCurrentIndex(category);
        if (AppleMapsCategoryTableViewBase* previous = FindView(m_toolbar->GetPreviousCategory()))
            DisconnectSearchResults(previous);
        OnSearchTag(m_searchEdit->GetSearchText());
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsWidget::OnFilterContextChanged(int /*category*/)
{
    try {
        OnSearchTag(m_searchEdit->GetSearchText());
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsWidget::OnSearchTag(QString searchTag)
{
    try {
        AppleMapsCategoryTableViewBase* view = FindView(m_toolbar->GetCurrentCategory());
        if (!view)
            return;
        pluginGui::ShowBusyCursorUntilIdle();
        // Each connection exists once, whichever page was searched before.
        DisconnectSearchResults(view);
        ConnectSearchResults(view);
        view->OnSearchTag(searchTag);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsWidget::ConnectSearchResults(AppleMapsCategoryTableViewBase* view)
{
    // The table filters first: the count moves the search box to match 1, whose row must be
    // looked up among the rows the new search shows.
    connect(view, &AppleMapsCategoryTableViewBase::SearchFilterFinished, this, &AppleMapsWidget::OnSearchFinished);
    connect(view, &AppleMapsCategoryTableViewBase::SearchFilterFinished, m_searchEdit,
            &pluginGui::SearchFilterEditWidget::OnCountTag);
}

void AppleMapsWidget::DisconnectSearchResults(AppleMapsCategoryTableViewBase* view)
{
    disconnect(view, &AppleMapsCategoryTableViewBase::SearchFilterFinished, m_searchEdit,
               &pluginGui::SearchFilterEditWidget::OnCountTag);
    disconnect(view, &AppleMapsCategoryTableViewBase::SearchFilterFinished, this, &AppleMapsWidget::OnSearchFinished);
}

void AppleMapsWidget::OnSearchFinished()
{
    try {
        const int category = m_toolbar->GetCurrentCategory();
        cmn::filter::utils::ResetCounts(false, m_presenter->GetFilterContext(category));
        UpdateCategoryView(category);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsWidget::OnMoveToMatch(int matchIndex)
{
    if (AppleMapsCategoryTableViewBase* view = FindView(m_toolbar->GetCurrentCategory()))
        view->OnMoveToMatch(matchIndex);
}

void AppleMapsWidget::UpdateCategoryView(int category)
{
    AppleMapsCategoryTableViewBase* view = FindView(category);
    if (!view)
        return;
    view->Invalidate();
    UpdateFilteredStatistics(category);
    const bool hasRows = view->HasRows();
    m_exportButton->OnShowExportButton(exportReport::Filtered, view->IsFiltered());
    m_exportButton->setEnabled(hasRows && !IsExporting());
    view->setVisible(hasRows);
    m_ui->stackedWidget->setVisible(hasRows);
    view->GetInfoBar()->setVisible(hasRows);
    m_noResultsWidget->setVisible(!hasRows);
    if (hasRows)
        view->updateGeometry();
}

void AppleMapsWidget::UpdateFilteredStatistics(int category)
{
    AppleMapsCategoryTableViewBase* view = FindView(category);
    if (!view)
        return;
    const bool filterEnabled = m_presenter->GetFilterContext(category).enabled;
    pluginGui::InfoBarWidget* infoBar = view->GetInfoBar();
    if (filterEnabled) {
        pluginGui::InfoBarStatGroups shown;
        view->CollectFilteredStatistics(shown);
        infoBar->UpdateStatistics(shown);
    }
    infoBar->SetGroupVisible(FilteredStatisticsGroup, filterEnabled);
}

bool AppleMapsWidget::IsExporting() const
{
    return m_exporting;
}

void AppleMapsWidget::ExportCategory(exportReport::ExportReportActionType exportType, const QString& path)
{
    const int category = m_toolbar->GetCurrentCategory();
    AppleMapsCategoryTableViewBase* view = FindView(category);
    if (!view)
        return;
    switch (exportType) {
    case exportReport::All: ExportAppleMapsToFile(path, *view->GetSourceModel(), view->rootIndex(), category); break;
    case exportReport::Filtered: ExportAppleMapsToFile(path, *view->model(), view->rootIndex(), category); break;
    default: break;
    }
}

void AppleMapsWidget::ExportAppleMapsToFile(const QString& fileName, const QAbstractItemModel& model,
                                            const QModelIndex& rootIndex, int category)
{
    if (IsExporting()) {
        LOG_WARN << "An export is still running";
        return;
    }
    const boost::filesystem::path path(fileName.toUtf8().toStdString());
    std::function<void()> task;
    switch (category) {
    case SearchesCategory:
        task = BindSave(m_presenter, &IAppleMapsPresenter::SaveQuerySearchToFile, model, rootIndex, path);
        break;
    case FavoritesCategory:
        task = BindSave(m_presenter, &IAppleMapsPresenter::SaveBookmarkToFile, model, rootIndex, path);
        break;
    case ExploredPlacesCategory:
        task = BindSave(m_presenter, &IAppleMapsPresenter::SavePlaceDisplayToFile, model, rootIndex, path);
        break;
    case DirectionsSearchesCategory:
        task = BindSave(m_presenter, &IAppleMapsPresenter::SaveDirectionsSearchesToFile, model, rootIndex, path);
        break;
    default: LOG_DEBUG << "Incorect category for exporting"; return;
    }
    // Each export gets a thread of its own; the previous one has finished.
    m_exportTask = std::make_unique<cmn::RunnableTask>(fileName, std::move(task));
    connect(m_exportTask.get(), &cmn::RunnableTask::Started, this, &AppleMapsWidget::OnExportStart);
    connect(m_exportTask.get(), &cmn::RunnableTask::Finished, this, &AppleMapsWidget::OnExportFinish);
    connect(m_exportTask.get(), &cmn::RunnableTask::Error, this, &AppleMapsWidget::OnShowError);
    m_exporting = true;
    m_exportFailed = false;
    m_exportButton->setEnabled(false);
    m_exportTask->start(QThread::InheritPriority);
}

void AppleMapsWidget::OnExportStart(QString /*fileName*/)
{
    m_exportButton->setEnabled(false);
}

void AppleMapsWidget::OnExportFinish(QString fileName)
{
    m_exporting = false;
    m_exportButton->setEnabled(true);
    // The failure has gone to the journal already; a notice of success would contradict it.
    if (m_exportFailed)
        return;
    const QString text = QCoreApplication::translate("cmn", "Category %1 has been exported to %2")
                             .arg(GetCategoryName(m_toolbar->GetCurrentCategory()), fileName);
    viewers::gui::ShowNotification(this, text, NotificationReservedWidth, fileName);
}

void AppleMapsWidget::OnShowError(QString id, QString message)
{
    m_exportFailed = true;
    try {
        m_presenter->ReportError(QStringLiteral("%1 %2").arg(message, id));
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

} // namespace appleMaps::ui
