#include "Severity.h"

namespace CryptLog {

const char* SeverityName(int severity)
{
    switch (severity) {
    case Fatal: return "FATAL";
    case Error: return "ERROR";
    case Warning: return "WARN";
    case Info: return "INFO";
    case Debug: return "DEBUG";
    case Verbose: return "VERB";
    default: return "NONE";
    }
}

} // namespace CryptLog
