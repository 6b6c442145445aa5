#pragma once

#include "cmn/BaseException.h"

#include <string>

namespace cmn::db {

// SQLite failures; the SQL error number is the message-table code, in the SQL facility.
class SqlException : public BaseException {
public:
    SqlException(const SourceLocation& location, int sqlErrorNumber, const std::string& userText);
};

// The fixed texts of the SQLite result codes that have one (I/O error, full disk, cannot open);
// empty for every other code.
std::string SqlResultCodeText(int sqlResultCode);

} // namespace cmn::db
