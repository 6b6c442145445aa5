#include "KitDemoWindow.h"

#include "DemoToolbar.h"

#include "exportReport/button/ExportButton.h"
#include "pluginGui/AddressDelegate.h"
#include "pluginGui/DateStatistics.h"
#include "pluginGui/ElidedSyntaxHighlighter.h"
#include "pluginGui/InfoBarWidget.h"
#include "pluginGui/SetupTableView.h"
#include "pluginGui/SortFilterProxyModelBase.h"
#include "pluginGui/TableQDateTimeDelegateBase.h"
#include "pluginGui/TableStaticTextDelegateBase.h"
#include "pluginGui/TableUrlDelegateBase.h"
#include "pluginGui/TableViewHeader.h"
#include "viewers/gui/IFilter.h"
#include "viewers/gui/NotificationMessage.h"
#include "viewers/gui/NotificationPopupTimerWidget.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTimeZone>
#include <QVBoxLayout>

namespace demo {

namespace {

const QMargins CellMargins(10, 0, 10, 0);
constexpr int CellInset = 7;
constexpr int RowHeight = 32;
const QTimeZone ViewZone(3600);

// The date filter of the page, set to hide what was created before September 2018; records
// without a date are kept.
class CreatedSinceFilter final : public viewers::gui::IFilter {
public:
    explicit CreatedSinceFilter(const std::vector<DemoPlace>& places)
        : m_places(places)
    {
    }

    bool AcceptsRow(int row) override
    {
        const QDateTime& created = m_places.at(static_cast<std::size_t>(row)).created;
        return !created.isValid() || created.date() >= QDate(2018, 9, 1);
    }

    int GetFirstAcceptedRow() override
    {
        for (int row = 0; row < static_cast<int>(m_places.size()); ++row) {
            if (AcceptsRow(row))
                return row;
        }
        return -1;
    }

private:
    const std::vector<DemoPlace>& m_places;
};

} // namespace

KitDemoWindow::KitDemoWindow()
    : m_places(MakeDemoPlaces())
    , m_filter(std::make_unique<CreatedSinceFilter>(m_places))
{
    using viewers::gui::ApplyStyle;
    namespace StyleGroup = viewers::gui::StyleGroup;
    namespace StyleClass = viewers::gui::StyleClass;

    setWindowTitle(QStringLiteral("Apple Maps"));
    setAutoFillBackground(true);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, Qt::white);
    setPalette(windowPalette);

    FillModel(m_model, m_places);
    m_proxy = new pluginGui::SortFilterProxyModelBase(this, m_filter.get());
    m_proxy->setSourceModel(&m_model);

    auto* layout = new QVBoxLayout(this);
    // The top margin leaves room for the notification strip.
    layout->setContentsMargins(18, 30, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(CreateHeader());

    m_infoBar = new pluginGui::InfoBarWidget(this);
    layout->addWidget(m_infoBar);
    layout->addWidget(CreateTable(), 1);
    FillStatistics();

    // The export button stands at the page's foot; its menu opens above it.
    m_exportButton = new pluginGui::ExportButton(this);
    m_exportButton->OnShowExportButton(exportReport::Filtered, true);
    layout->addWidget(m_exportButton, 0, Qt::AlignRight);

    m_notification = new viewers::gui::NotificationPopupTimerWidget(this);
    auto* message = new viewers::gui::NotificationMessage(nullptr, 198);
    const QString path = QStringLiteral("/home/examiner/cases/2019-0417/Apple Maps/favorites.kml");
    message->SetText(QCoreApplication::translate("cmn", "Category %1 has been exported to %2")
                         .arg(QCoreApplication::translate("cmn", "Favorites"), path));
    message->SetPath(path);
    m_notification->AddWidget(message);
    ApplyStyle(StyleGroup::Widget, StyleClass::None, this);
}

KitDemoWindow::~KitDemoWindow() = default;

void KitDemoWindow::ShowExportNotification()
{
    m_notification->ShowAnimated();
}

QWidget* KitDemoWindow::CreateHeader()
{
    using viewers::gui::ApplyStyle;
    namespace StyleGroup = viewers::gui::StyleGroup;
    namespace StyleClass = viewers::gui::StyleClass;

    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);

    auto* icon = new QLabel(header);
    icon->setPixmap(QIcon(QStringLiteral(":/Resources/AppleMapsResources/Maps.svg")).pixmap(32, 32));
    auto* title = new QLabel(QStringLiteral("Apple Maps"), header);
    ApplyStyle(StyleGroup::Label, StyleClass::font_pre_huge, title);
    ApplyStyle(StyleGroup::Label, StyleClass::foreground_gray_pre_dark, title);
    row->addWidget(icon);
    row->addWidget(title);
    row->addStretch(1);

    auto* toolbar = new DemoToolbar(header, {3});
    toolbar->CreateButtons(toolbar, 1);
    toolbar->Initialize(1);
    row->addWidget(toolbar);
    row->addStretch(1);
    // Balances the title, so that the toolbar sits in the middle of the page.
    row->addSpacing(icon->sizeHint().width() + title->sizeHint().width());
    return header;
}

QTableView* KitDemoWindow::CreateTable()
{
    auto* view = new QTableView(this);
    view->setHorizontalHeader(new pluginGui::TableViewHeader(view));
    view->setModel(m_proxy);
    pluginGui::SetupTableView(view);
    view->verticalHeader()->setDefaultSectionSize(RowHeight);

    auto* highlighter = new pluginGui::ElidedSyntaxHighlighter(view, false);
    highlighter->SetEllipsisText(QString(QChar(0x2026)));
    const int rows = m_proxy->rowCount();
    const QFont font = view->font();
    view->setItemDelegateForColumn(NameColumn, new pluginGui::TableStaticTextDelegateBase(
                                                   view, CellMargins, CellInset, rows, highlighter, &font, false));
    view->setItemDelegateForColumn(AddressColumn, new pluginGui::AddressDelegate(view, CellMargins, CellInset, rows,
                                                                                 highlighter, &font));
    view->setItemDelegateForColumn(CreatedColumn, new pluginGui::TableQDateTimeDelegateBase(
                                                      view, CellMargins, CellInset, rows, highlighter, &font));
    view->setItemDelegateForColumn(LinkColumn, new pluginGui::TableUrlDelegateBase(view, CellMargins, CellInset, rows,
                                                                                   highlighter, &font, false));
    highlighter->SetSearchTag(QStringLiteral("Berlin"));

    view->setColumnWidth(NameColumn, 170);
    view->setColumnWidth(AddressColumn, 236);
    view->setColumnWidth(CreatedColumn, 218);
    view->sortByColumn(CreatedColumn, Qt::DescendingOrder);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

void KitDemoWindow::FillStatistics()
{
    const pluginGui::DateTimeFormatter formatter = pluginGui::StatisticsDateFormatter(ViewZone);
    pluginGui::InfoBarStatGroups totals;
    pluginGui::CollectDateStatistics(m_model, CreatedColumn, QModelIndex(), formatter,
                                     pluginGui::BuildTotalStatistics, totals);
    m_infoBar->SetStatistics(totals);

    pluginGui::InfoBarStatGroups filtered;
    pluginGui::CollectDateStatistics(*m_proxy, CreatedColumn, QModelIndex(), formatter,
                                     pluginGui::BuildFilteredStatistics, filtered);
    m_infoBar->UpdateStatistics(filtered);
}

} // namespace demo
