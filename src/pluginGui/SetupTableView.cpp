#include "SetupTableView.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace pluginGui {

namespace {

constexpr int HeaderHeight = 24;
constexpr char GridColor[] = "#f1f1f2";
constexpr char SelectionColor[] = "#cfe4f7";

} // namespace

void SetupTableView(QTableView* view)
{
    if (!view) {
        LOG_DEBUG << "No table view to set up";
        return;
    }
    using viewers::gui::ApplyStyle;
    namespace StyleGroup = viewers::gui::StyleGroup;
    namespace StyleClass = viewers::gui::StyleClass;

    QHeaderView* header = view->horizontalHeader();
    header->setFont(view->font());
    header->setSectionsClickable(true);
    header->setSortIndicator(0, Qt::DescendingOrder);
    header->setFixedHeight(HeaderHeight);
    header->setSortIndicatorShown(true);
    view->verticalHeader()->hide();

    view->setMouseTracking(true);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setAlternatingRowColors(true);

    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, QColor("#ffffff"));
    palette.setColor(QPalette::AlternateBase, QColor(GridColor));
    // Light enough that the cells' own text and link colours stay readable on selected rows.
    palette.setColor(QPalette::Highlight, QColor(SelectionColor));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    view->setPalette(palette);

    view->setShowGrid(true);
    // Whole rows are selected, by mouse and keyboard, so that an examiner can mark and copy
    // records; nothing here is edited.
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setFrameStyle(0);
    view->setSortingEnabled(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control instead of walking its cells.
    view->setTabKeyNavigation(false);

    ApplyStyle(StyleGroup::AbstractScrollArea, StyleClass::padding_right_small, view);
    ApplyStyle(StyleGroup::AbstractScrollArea, StyleClass::padding_bottom_small, view);
    ApplyStyle(StyleGroup::VerticalScrollBar, StyleClass::None, view->verticalScrollBar());
    ApplyStyle(StyleGroup::HorizontalScrollBar, StyleClass::None, view->horizontalScrollBar());
    ApplyStyle(StyleGroup::Widget, StyleClass::border_none, view);
    ApplyStyle(StyleGroup::Widget, StyleClass::border_left_solid, view);
    ApplyStyle(StyleGroup::Widget, StyleClass::border_right_solid, view);
    ApplyStyle(StyleGroup::Table, StyleClass::foreground_gray_light, view);

    // Replaces the sheets applied above; their class properties stay.
    view->setStyleSheet(QStringLiteral("*{gridline-color: %1;}").arg(QLatin1String(GridColor)));

    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

} // namespace pluginGui
