#pragma once

#include <QDate>
#include <QWidget>

namespace viewers::gui {

class CalendarWidget;
class ClickableLabel;
class DateLineEdit;

// A date field with a calendar icon that opens a month pop-up; the date filter's editor.
class DateEditStyleWidget : public QWidget {
    Q_OBJECT

public:
    explicit DateEditStyleWidget(QWidget* parent = nullptr);

    // Invalid when the field holds no date (see DateLineEdit::GetDate).
    QDate GetDate();
    void SetDate(const QDate& date);
    // An invalid date removes the bound.
    void SetMinimumDate(const QDate& date);
    void SetMaximumDate(const QDate& date);

signals:
    void Error(QString error);
    void DateChanged();
    // A date was picked in the calendar.
    void EditingFinished();

protected:
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void OnDateSelected(const QDate& date);
    void OnCalendarIconClicked();

private:
    void PlaceCalendar();

    CalendarWidget* m_calendar;
    DateLineEdit* m_lineEdit;
    ClickableLabel* m_calendarIcon;
};

} // namespace viewers::gui
