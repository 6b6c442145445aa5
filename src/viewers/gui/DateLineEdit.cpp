#include "DateLineEdit.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QSignalBlocker>

#include <exception>

namespace viewers::gui {

namespace {

constexpr char DateFormat[] = "dd.MM.yyyy";

// Two, two and four required alphanumeric positions separated by dots.
QString InputMask()
{
    return QStringLiteral("%1%1.%1%1.%1%1%1%1").arg(QLatin1Char('N'));
}

} // namespace

DateLineEdit::DateLineEdit(QWidget* parent, const QCalendarWidget* calendar)
    : QLineEdit(parent)
    , m_calendar(calendar)
{
    setAttribute(Qt::WA_MacShowFocusRect, false);
    for (const int styleClass : {StyleClass::border_none, StyleClass::background_white, StyleClass::foreground_gray_dark,
                                 StyleClass::font_pre_small, StyleClass::common, StyleClass::font_italic})
        ApplyStyle(StyleGroup::LineEdit, styleClass, this);
    setPlaceholderText(QCoreApplication::translate("cmn", "dd.mm.yyyy"));
    connect(this, &QLineEdit::textChanged, this, &DateLineEdit::OnTextChanged);
    installEventFilter(this);
}

QDate DateLineEdit::GetDate()
{
    const QDate date = ParseDate();
    // A blank field or one still being typed into holds no wrong date yet.
    const bool complete = inputMask().isEmpty() || hasAcceptableInput();
    if (!date.isValid() && !text().isEmpty() && complete)
        emit Error(QCoreApplication::translate("cmn", "Incorrect inputted date"));
    return date;
}

bool DateLineEdit::IsOutOfRange() const
{
    if (m_calendar == nullptr)
        return false;
    const QDate date = ParseDate();
    const QDate minimum = m_calendar->minimumDate();
    const QDate maximum = m_calendar->maximumDate();
    return (minimum.isValid() && date < minimum) || (maximum.isValid() && date > maximum);
}

bool DateLineEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != this)
        return QLineEdit::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (text().isEmpty())
            SetMask();
        break;
    case QEvent::MouseButtonPress:
        if (ParseDate().isValid()) {
            SetMask();
            SetItalic(IsOutOfRange());
            break;
        }
        // Typing into a masked field starts at its first position, wherever the click was.
        SetItalic(true);
        setCursorPosition(0);
        return true;
    case QEvent::FocusOut:
        if (IsAcceptable()) {
            SetItalic(false);
        } else {
            RemoveMask();
            clear();
            SetItalic(true);
        }
        break;
    default:
        break;
    }
    return QLineEdit::eventFilter(watched, event);
}

void DateLineEdit::OnTextChanged(const QString& text)
{
    try {
        if (text.isEmpty())
            RemoveMask();
        else
            SetMask();
        const QDate date = GetDate();
        SetItalic(!date.isValid() || IsOutOfRange());
        emit DateChanged();
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

QDate DateLineEdit::ParseDate() const
{
    return QDate::fromString(text(), QLatin1String(DateFormat));
}

bool DateLineEdit::IsAcceptable() const
{
    return ParseDate().isValid() && !IsOutOfRange();
}

void DateLineEdit::SetMask()
{
    if (!inputMask().isEmpty())
        return;
    // Setting the mask rewrites the text; the change is not an edit of the user's, and typing
    // goes on where it was.
    const QSignalBlocker blocker(this);
    const int cursor = cursorPosition();
    setInputMask(InputMask());
    setCursorPosition(cursor);
}

void DateLineEdit::RemoveMask()
{
    if (inputMask().isEmpty())
        return;
    const QSignalBlocker blocker(this);
    setInputMask(QString());
}

void DateLineEdit::SetItalic(bool italic)
{
    ApplyStyle(StyleGroup::LineEdit, StyleClass::font_italic, this, italic);
}

} // namespace viewers::gui
