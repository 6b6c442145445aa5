#include "ExportSaveMenu.h"

#include "ExportMenuAction.h"
#include "ExportMenuItemWidget.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <exception>

namespace pluginGui {

namespace {

// The action property that carries an entry's export scope.
constexpr char ActionTypeProperty[] = "saveMenu";
constexpr int PointerHeight = 10;
constexpr int PointerHalfWidth = 9;
constexpr int PointerOffset = 10;

const QColor& CalloutColor()
{
    static const QColor color("#808285");
    return color;
}

} // namespace

ExportSaveMenu::ExportSaveMenu(QWidget* button)
    : QMenu(button)
    , m_all(new ExportMenuAction(QCoreApplication::translate("cmn", "All..."), this))
    , m_filtered(new ExportMenuAction(QCoreApplication::translate("cmn", "Filtered..."), this))
    , m_selected(new ExportMenuAction(QCoreApplication::translate("cmn", "Selected..."), this))
    , m_filteredDictionary(new ExportMenuAction(QCoreApplication::translate("cmn", "Filtered dictionary..."), this))
{
    exportReport::RegisterExportReportActionType();
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    viewers::gui::ApplyStyle(viewers::gui::StyleGroup::Menu, viewers::gui::StyleClass::export_button, this);

    const std::pair<ExportMenuAction*, exportReport::ExportReportActionType> entries[] = {
        {m_selected, exportReport::Selected},
        {m_filtered, exportReport::Filtered},
        {m_all, exportReport::All},
        {m_filteredDictionary, exportReport::FilteredDictionary},
    };
    for (const auto& [action, actionType] : entries) {
        action->setProperty(ActionTypeProperty, QVariant::fromValue(actionType));
        connect(action, &QAction::triggered, this, &ExportSaveMenu::OnActionTriggered);
        addAction(action);
    }
    // Wide enough for the longest entry, whichever entries are offered later.
    setFixedWidth(sizeHint().width());

    ShowAction(exportReport::Selected, false);
    ShowAction(exportReport::Filtered, false);
    ShowAction(exportReport::FilteredDictionary, false);
    setContentsMargins(0, 11, 0, 21);
}

void ExportSaveMenu::ShowAction(exportReport::ExportReportActionType actionType, bool show)
{
    ExportMenuAction* action = nullptr;
    switch (actionType) {
    case exportReport::Filtered:
        action = m_filtered;
        break;
    case exportReport::Selected:
        action = m_selected;
        break;
    case exportReport::FilteredDictionary:
        action = m_filteredDictionary;
        break;
    default:
        break;
    }
    if (action) {
        action->GetItemWidget()->setVisible(show);
        action->setVisible(show);
    }
    update();
}

void ExportSaveMenu::paintEvent(QPaintEvent* event)
{
    QMenu::paintEvent(event);

    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(CalloutColor(), Qt::SolidPattern));
    painter.setRenderHint(QPainter::Antialiasing);

    const QRect body(rect().topLeft(), QSize(width(), height() - PointerHeight));
    painter.drawRect(body);

    const QPoint apex((body.left() + body.right()) / 2 + PointerOffset, rect().bottom());
    QPainterPath pointer;
    pointer.moveTo(apex);
    pointer.lineTo(apex.x() - PointerHalfWidth, body.bottom());
    pointer.lineTo(apex.x() + PointerHalfWidth, body.bottom());
    pointer.closeSubpath();
    painter.setClipPath(pointer);
    painter.drawPath(pointer);
}

void ExportSaveMenu::OnActionTriggered()
{
    try {
        const auto* action = qobject_cast<const QAction*>(sender());
        if (!action)
            return;
        // A property of another type reads as 0.
        const auto actionType = action->property(ActionTypeProperty).value<exportReport::ExportReportActionType>();
        emit ActionTriggered();
        emit ActionTypeTriggered(actionType);
    } catch (const std::exception& e) {
        LOG_ERROR << e.what();
    }
}

} // namespace pluginGui
