#pragma once

#include <sstream>
#include <string>

class QString;
class QByteArray;

namespace CryptLog {

// Collects one statement's message and hands it to the process logger when destroyed.
// Wide and Qt strings are written as UTF-8.
class LogRecord final {
public:
    LogRecord(int severity, const char* function, int line);
    ~LogRecord();

    LogRecord(const LogRecord&) = delete;
    LogRecord& operator=(const LogRecord&) = delete;

    template <typename T>
    LogRecord& operator<<(const T& value)
    {
        m_message << value;
        return *this;
    }

    LogRecord& operator<<(const char* text);
    LogRecord& operator<<(const wchar_t* text);
    LogRecord& operator<<(const std::wstring& text);
    LogRecord& operator<<(const QString& text);
    LogRecord& operator<<(const QByteArray& text);

private:
    int m_severity;
    const char* m_function;
    int m_line;
    std::ostringstream m_message;
};

} // namespace CryptLog
