#include "DateEditStyleWidget.h"

#include "CryptLog/log/Log.h"
#include "translations/ApplicationLanguage.h"
#include "viewers/gui/CalendarWidget.h"
#include "viewers/gui/ClickableLabel.h"
#include "viewers/gui/DateLineEdit.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QTextCharFormat>

#include <exception>

namespace viewers::gui {

namespace {

constexpr char DateFormat[] = "dd.MM.yyyy";

void StyleCalendar(QCalendarWidget* calendar)
{
    calendar->setFont(QFont(QStringLiteral("Tahoma")));
    // Month and day names in the interface language, whatever the system locale.
    calendar->setLocale(translations::utils::GetApplicationLocale());
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    const QColor gray(QStringLiteral("#929497"));
    QTextCharFormat header;
    header.setForeground(gray);
    header.setBackground(QColor(QStringLiteral("#FFFFFF")));
    calendar->setHeaderTextFormat(header);
    QTextCharFormat weekend;
    weekend.setForeground(gray);
    calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
}

} // namespace

DateEditStyleWidget::DateEditStyleWidget(QWidget* parent)
    : QWidget(parent)
    , m_calendar(new CalendarWidget(this))
    , m_lineEdit(new DateLineEdit(this, m_calendar))
    , m_calendarIcon(new ClickableLabel(this))
{
    m_calendar->hide();
    StyleCalendar(m_calendar);

    ApplyStyle(StyleGroup::Label, StyleClass::background_white, m_calendarIcon);
    m_calendarIcon->setPixmap(QPixmap(QStringLiteral(":/Resources/images/CalendarIcon.png")));
    m_calendarIcon->setFixedSize(17, 17);
    m_calendarIcon->setScaledContents(true);
    m_calendarIcon->setCursor(Qt::PointingHandCursor);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(2);
    layout->addWidget(m_lineEdit);
    layout->addWidget(m_calendarIcon);

    connect(m_lineEdit, &DateLineEdit::Error, this, &DateEditStyleWidget::Error);
    connect(m_lineEdit, &DateLineEdit::DateChanged, this, &DateEditStyleWidget::DateChanged);
    connect(m_calendar, &QCalendarWidget::clicked, this, &DateEditStyleWidget::OnDateSelected);
    connect(m_calendar, &QCalendarWidget::activated, this, &DateEditStyleWidget::OnDateSelected);
    connect(m_calendarIcon, &ClickableLabel::Clicked, this, &DateEditStyleWidget::OnCalendarIconClicked);
}

QDate DateEditStyleWidget::GetDate()
{
    return m_lineEdit->GetDate();
}

void DateEditStyleWidget::SetDate(const QDate& date)
{
    m_lineEdit->setText(date.toString(QLatin1String(DateFormat)));
    m_calendar->setSelectedDate(date);
}

void DateEditStyleWidget::SetMinimumDate(const QDate& date)
{
    m_calendar->setMinimumDate(date.isValid() ? date : QDate::fromJulianDay(1));
}

void DateEditStyleWidget::SetMaximumDate(const QDate& date)
{
    m_calendar->setMaximumDate(date.isValid() ? date : QDate(7999, 12, 31));
}

void DateEditStyleWidget::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (m_calendar->isVisible())
        PlaceCalendar();
}

void DateEditStyleWidget::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRect(rect());
    }
    QWidget::paintEvent(event);
}

void DateEditStyleWidget::OnDateSelected(const QDate& date)
{
    try {
        m_lineEdit->setText(date.toString(QLatin1String(DateFormat)));
        m_calendar->hide();
        emit EditingFinished();
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void DateEditStyleWidget::OnCalendarIconClicked()
{
    if (m_calendar->isVisible()) {
        m_calendar->hide();
    } else if (isEnabled()) {
        PlaceCalendar();
        m_calendar->show();
    }
}

void DateEditStyleWidget::PlaceCalendar()
{
    // Below the field, at the pointer, and kept inside the screen's right edge.
    const QPoint pointer = QCursor::pos();
    QPoint topLeft(pointer.x(), m_lineEdit->mapToGlobal(QPoint(0, m_lineEdit->height())).y());
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (screen == nullptr)
        screen = m_lineEdit->screen();
    m_calendar->resize(m_calendar->sizeHint());
    const int screenRight = screen->availableGeometry().right();
    if (topLeft.x() + m_calendar->width() - 1 > screenRight)
        topLeft.setX(screenRight - m_calendar->width() + 1);
    m_calendar->move(topLeft);
}

} // namespace viewers::gui
