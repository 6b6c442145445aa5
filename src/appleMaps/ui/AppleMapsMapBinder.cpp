#include "AppleMapsMapBinder.h"

#include "AppleMapsCategoryTableViewBase.h"
#include "AppleMapsWidgetForm.h"
#include "RecordShapes.h"

#include "CryptLog/log/Log.h"
#include "map/IMapPanel.h"
#include "map/MapModule.h"
#include "map/MapShapes.h"
#include "viewers/gui/NotificationPopupTimerWidget.h"
#include "viewers/gui/StyleNames.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QAbstractProxyModel>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace appleMaps::ui {

namespace {

// Tables get the larger share of the page when the map opens.
constexpr int TableShare = 3;
constexpr int MapShare = 2;
// Keeps the map switch apart from the export button, so that the two read as two controls.
constexpr int ToggleGap = 6;

bool& MapShownInThisProcess()
{
    static bool shown = false;
    return shown;
}

QAbstractProxyModel* ProxyOf(const AppleMapsCategoryTableViewBase* view)
{
    return view ? qobject_cast<QAbstractProxyModel*>(view->model()) : nullptr;
}

} // namespace

AppleMapsMapBinder::AppleMapsMapBinder(AppleMapsWidgetForm& form,
                                       const std::map<int, AppleMapsCategoryTableViewBase*>& views, QWidget* page)
    : QObject(page)
    , m_views(views.begin(), views.end())
    , m_splitter(new QSplitter(Qt::Horizontal, form.mainWidget))
    , m_toggle(new QToolButton(page))
{
    m_splitter->setObjectName(QStringLiteral("mapSplitter"));
    m_splitter->setChildrenCollapsible(false);
    const int tablesAt = form.layoutData->indexOf(form.stackedWidget);
    form.layoutData->removeWidget(form.stackedWidget);
    form.layoutData->insertWidget(tablesAt, m_splitter);
    m_splitter->addWidget(form.stackedWidget);

    m_toggle->setObjectName(QStringLiteral("mapToggleButton"));
    m_toggle->setText(QCoreApplication::translate("cmn", "Map"));
    m_toggle->setToolTip(QCoreApplication::translate("cmn", "Show or hide the map of the shown records"));
    m_toggle->setCheckable(true);
    // A switch like the kit's display-mode buttons: orange while the map is shown.
    for (const int styleClass : {viewers::gui::StyleClass::border_left_radius_small,
                                 viewers::gui::StyleClass::border_right_radius_small,
                                 viewers::gui::StyleClass::font_post_tiny})
        viewers::gui::ApplyStyle(viewers::gui::StyleGroup::DisplayedModeWidget, styleClass, m_toggle);
    const int exportAt = form.layoutButtons->indexOf(form.explortButtonPlaceolder);
    form.layoutButtons->insertWidget(exportAt, m_toggle);
    form.layoutButtons->insertSpacing(exportAt + 1, ToggleGap);
    connect(m_toggle, &QToolButton::toggled, this, &AppleMapsMapBinder::OnToggled);

    connect(form.stackedWidget, &QStackedWidget::currentChanged, this, &AppleMapsMapBinder::OnCategoryShown);
    OnCategoryShown(form.stackedWidget->currentIndex());
    m_toggle->setChecked(MapShownInThisProcess());
}

void AppleMapsMapBinder::OnCategoryShown(int category)
{
    const auto found = m_views.find(category);
    if (found == m_views.end())
        return;
    m_category = category;
    ConnectView(found->second);
    if (m_panel)
        m_panel->FitAll();
    ScheduleRefresh();
}

void AppleMapsMapBinder::ConnectView(AppleMapsCategoryTableViewBase* view)
{
    if (QAbstractProxyModel* previous = ProxyOf(m_view))
        disconnect(previous, nullptr, this, nullptr);
    if (m_view && m_view->selectionModel())
        disconnect(m_view->selectionModel(), nullptr, this, nullptr);
    m_view = view;
    if (QAbstractProxyModel* proxy = ProxyOf(view)) {
        // Filter and search reach the proxy as an invalidation, a reset or removed and added rows.
        connect(proxy, &QAbstractItemModel::layoutChanged, this, &AppleMapsMapBinder::ScheduleRefresh);
        connect(proxy, &QAbstractItemModel::modelReset, this, &AppleMapsMapBinder::ScheduleRefresh);
        connect(proxy, &QAbstractItemModel::rowsInserted, this, &AppleMapsMapBinder::ScheduleRefresh);
        connect(proxy, &QAbstractItemModel::rowsRemoved, this, &AppleMapsMapBinder::ScheduleRefresh);
    }
    if (view && view->selectionModel())
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &AppleMapsMapBinder::OnCurrentRowChanged);
}

void AppleMapsMapBinder::OnToggled(bool shown)
{
    try {
        ShowMap(shown);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsMapBinder::ShowMap(bool shown)
{
    MapShownInThisProcess() = shown;
    if (!shown) {
        if (m_panel)
            m_panel->Widget()->hide();
        return;
    }
    if (!m_panel) {
        m_panel = MakePanel();
        if (!m_panel) {
            m_toggle->setChecked(false);
            return;
        }
        QWidget* widget = m_panel->Widget();
        widget->setObjectName(QStringLiteral("mapPanel"));
        m_splitter->addWidget(widget);
        m_splitter->setSizes({TableShare * m_splitter->width(), MapShare * m_splitter->width()});
        m_panel->SetShapeClickedHandler([this](int sourceRow) { OnShapeClicked(sourceRow); });
    }
    m_panel->Widget()->show();
    m_panel->FitAll();
    Refresh();
}

map::IMapPanel* AppleMapsMapBinder::MakePanel()
{
    QString error;
    if (map::IMapPanel* panel = map::MakeMapPanel(map::MapModulePath(), m_splitter, error))
        return panel;
    LOG_ERROR << "The map's library cannot be loaded: " << error;
    const QString text = QCoreApplication::translate("cmn", "The map cannot be shown: its library cannot be loaded.");
    viewers::gui::ShowNotification(qobject_cast<QWidget*>(parent()), text);
    return nullptr;
}

bool AppleMapsMapBinder::IsMapShown() const
{
    return m_panel && m_toggle->isChecked();
}

void AppleMapsMapBinder::ScheduleRefresh()
{
    if (m_refreshScheduled || !IsMapShown())
        return;
    // Once for all the signals of one filter change.
    m_refreshScheduled = true;
    QMetaObject::invokeMethod(this, &AppleMapsMapBinder::Refresh, Qt::QueuedConnection);
}

void AppleMapsMapBinder::Refresh()
{
    m_refreshScheduled = false;
    try {
        QAbstractProxyModel* proxy = ProxyOf(m_view);
        if (!IsMapShown() || !proxy)
            return;
        map::MapShapes shapes;
        const int rowCount = proxy->rowCount();
        for (int row = 0; row < rowCount; ++row)
            AddRecordShape(shapes, m_category, proxy->mapToSource(proxy->index(row, 0)));
        m_panel->SetShapes(std::move(shapes));
        const QModelIndex current = proxy->mapToSource(m_view->currentIndex());
        m_panel->SetSelected(current.isValid() ? std::optional<int>(current.row()) : std::nullopt);
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsMapBinder::OnCurrentRowChanged(const QModelIndex& current)
{
    try {
        QAbstractProxyModel* proxy = ProxyOf(m_view);
        if (!IsMapShown() || !proxy)
            return;
        const QModelIndex source = proxy->mapToSource(current);
        if (!source.isValid()) {
            m_panel->SetSelected(std::nullopt);
            return;
        }
        m_panel->SetSelected(source.row());
        if (!m_selectingFromMap)
            m_panel->CentreOn(source.row());
    } catch (const std::exception& error) {
        LOG_ERROR << error.what();
    }
}

void AppleMapsMapBinder::OnShapeClicked(int sourceRow)
{
    try {
        QAbstractProxyModel* proxy = ProxyOf(m_view);
        if (!proxy || !proxy->sourceModel())
            return;
        const int column = std::max(m_view->currentIndex().column(), 0);
        const QModelIndex index = proxy->mapFromSource(proxy->sourceModel()->index(sourceRow, column));
        if (!index.isValid())
            return;
        m_selectingFromMap = true;
        m_view->setCurrentIndex(index);
        m_selectingFromMap = false;
        m_view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    } catch (const std::exception& error) {
        m_selectingFromMap = false;
        LOG_ERROR << error.what();
    }
}

} // namespace appleMaps::ui
