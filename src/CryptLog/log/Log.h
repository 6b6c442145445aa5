#pragma once

#include "FunctionName.h"
#include "LogRecord.h"
#include "Logger.h"
#include "Severity.h"

namespace CryptLog::details {

// Ends a streamed statement as a void expression, so that the macro can be a conditional
// expression: it then nests under an unbraced `if` without a dangling `else`.
struct LogStatementEnd {
    void operator&(const LogRecord&) const {}
};

} // namespace CryptLog::details

// Log statements: LOG_ERROR << "text" << value;
// Below the logger's maximum severity the streamed operands are not evaluated.
#define LOG_AT(severity)                                                                   \
    !::CryptLog::Logger::Instance().Accepts(severity)                                      \
        ? (void)0                                                                          \
        : ::CryptLog::details::LogStatementEnd() & ::CryptLog::LogRecord(severity, LOG_FUNCTION, __LINE__)

#define LOG_FATAL LOG_AT(::CryptLog::Fatal)
#define LOG_ERROR LOG_AT(::CryptLog::Error)
#define LOG_WARN LOG_AT(::CryptLog::Warning)
#define LOG_INFO LOG_AT(::CryptLog::Info)
#define LOG_DEBUG LOG_AT(::CryptLog::Debug)
#define LOG_VERB LOG_AT(::CryptLog::Verbose)
