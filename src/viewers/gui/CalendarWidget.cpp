#include "CalendarWidget.h"

#include "CryptLog/log/Log.h"

#include <QTableView>

#include <exception>

namespace viewers::gui {

CalendarWidget::CalendarWidget(QWidget* parent)
    : QCalendarWidget(parent)
{
    setWindowFlags(Qt::Popup);
    // The click that closes the pop-up must not also reach the widget under it: on the
    // calendar icon it would open the pop-up again.
    setAttribute(Qt::WA_NoMouseReplay);
    connect(this, &QCalendarWidget::currentPageChanged, this, &CalendarWidget::OnCurrentPageChanged);
}

void CalendarWidget::OnCurrentPageChanged()
{
    // Styled month views keep stale cells after a page change until repainted.
    try {
        if (auto* view = findChild<QTableView*>())
            view->viewport()->update();
        if (auto* navigationBar = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar")))
            navigationBar->update();
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

} // namespace viewers::gui
