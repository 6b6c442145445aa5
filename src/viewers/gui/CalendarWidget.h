#pragma once

#include <QCalendarWidget>

namespace viewers::gui {

// The month pop-up of the date editor; a click outside it closes it.
class CalendarWidget : public QCalendarWidget {
    Q_OBJECT

public:
    explicit CalendarWidget(QWidget* parent);

private slots:
    void OnCurrentPageChanged();
};

} // namespace viewers::gui
