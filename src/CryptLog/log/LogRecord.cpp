#include "LogRecord.h"

#include "Logger.h"

#include <QByteArray>
#include <QString>

namespace CryptLog {

LogRecord::LogRecord(int severity, const char* function, int line)
    : m_severity(severity)
    , m_function(function)
    , m_line(line)
{
}

LogRecord::~LogRecord()
{
    try {
        Logger::Instance().Write(m_severity, m_function, m_line, m_message.str());
    } catch (...) {
        // A failing sink must not take the caller down; the record is lost.
    }
}

LogRecord& LogRecord::operator<<(const char* text)
{
    m_message << (text ? text : "(null)");
    return *this;
}

LogRecord& LogRecord::operator<<(const wchar_t* text)
{
    return *this << (text ? QString::fromWCharArray(text) : QStringLiteral("(null)"));
}

LogRecord& LogRecord::operator<<(const std::wstring& text)
{
    return *this << QString::fromStdWString(text);
}

LogRecord& LogRecord::operator<<(const QString& text)
{
    m_message << text.toStdString();
    return *this;
}

LogRecord& LogRecord::operator<<(const QByteArray& text)
{
    m_message.write(text.constData(), text.size());
    return *this;
}

} // namespace CryptLog
