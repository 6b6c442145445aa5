#pragma once

namespace CryptLog {

// Numbering is part of the settings contract: "LogLevel/Level" stores these values.
enum Severity : int {
    None = 0,
    Fatal = 1,
    Error = 2,
    Warning = 3,
    Info = 4,
    Debug = 5,
    Verbose = 6,
};

// The name written into each log line ("NONE" for anything out of range).
const char* SeverityName(int severity);

} // namespace CryptLog
