#include "ExportButton.h"

#include "ExportSaveMenu.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/FocusFrame.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <exception>

namespace pluginGui {

namespace {

constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 24;
// The style sheet's arrow at the right (8 pixels wide, 8 of padding) and a gap before it.
constexpr int ArrowRoom = 20;
// The menu opens this far right of centre and this far above the button.
constexpr int MenuOffsetX = 24;
constexpr int MenuGap = 5;

} // namespace

ExportButton::ExportButton(QWidget* parent)
    : QToolButton(parent)
    , m_menu(new ExportSaveMenu(this))
{
    setMenu(m_menu);
    setArrowType(Qt::NoArrow);
    setContentsMargins(6, 0, 0, 7);
    FitCaption();
    viewers::gui::ApplyStyle(viewers::gui::StyleGroup::ToolButton, viewers::gui::StyleClass::export_button, this);
    connect(m_menu, &ExportSaveMenu::ActionTypeTriggered, this, &ExportButton::ActionTypeTriggered);
}

void ExportButton::OnBackupDownloadingStateChanged(bool backupDownloading)
{
    m_backupDownloading = backupDownloading;
}

void ExportButton::OnShowExportButton(exportReport::ExportReportActionType actionType, bool show)
{
    try {
        m_menu->ShowAction(actionType, show);
    } catch (const std::exception& e) {
        LOG_ERROR << e.what();
    }
}

void ExportButton::changeEvent(QEvent* event)
{
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitCaption();
    // Disabled with the button, an open menu would take neither a choice nor Escape.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        m_menu->close();
}

void ExportButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    const QMargins margins = contentsMargins();
    painter.drawText(QPoint(rect().left() + margins.left(), rect().bottom() - margins.bottom()), Caption());
    painter.end();
    viewers::gui::PaintFocusFrame(this, Qt::white);
}

void ExportButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OpenMenu();
}

void ExportButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: OpenMenu(); break;
    default: QToolButton::keyPressEvent(event); break;
    }
}

QString ExportButton::Caption()
{
    return QCoreApplication::translate("cmn", "Export...");
}

void ExportButton::FitCaption()
{
    // A translated caption longer than the English one would run under the arrow or be cut at the
    // edge: the button grows to fit it.
    const int captionWidth = contentsMargins().left() + fontMetrics().horizontalAdvance(Caption()) + ArrowRoom;
    setFixedSize(std::max(ButtonWidth, captionWidth), ButtonHeight);
}

void ExportButton::OpenMenu()
{
    if (!isEnabled())
        return;
    if (m_backupDownloading) {
        emit DownloadInProgressExportTry();
        return;
    }
    const QPoint topLeft = mapToGlobal(rect().topLeft());
    const QSize menuSize = m_menu->sizeHint();
    const QPoint menuPosition(topLeft.x() + (width() / 2 - menuSize.width() / 2) + MenuOffsetX,
                              topLeft.y() - MenuGap - menuSize.height());
    m_menu->exec(menuPosition);
}

} // namespace pluginGui
