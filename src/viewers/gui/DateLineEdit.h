#pragma once

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

namespace viewers::gui {

// A "dd.MM.yyyy" date field behind an input mask. Text that is no date, or a date outside the
// calendar's bounds, is shown in italics and dropped when the field loses focus.
class DateLineEdit : public QLineEdit {
    Q_OBJECT

public:
    // calendar: gives the date bounds; may be null (no bounds).
    DateLineEdit(QWidget* parent, const QCalendarWidget* calendar);

    // The date of the text; invalid when the text is none, and then Error is emitted once all
    // of the date has been typed.
    QDate GetDate();
    bool IsOutOfRange() const;

signals:
    void Error(QString error);
    void DateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OnTextChanged(const QString& text);

private:
    QDate ParseDate() const;
    bool IsAcceptable() const;
    void SetMask();
    void RemoveMask();
    void SetItalic(bool italic);

    const QCalendarWidget* m_calendar;
};

} // namespace viewers::gui
