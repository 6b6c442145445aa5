#pragma once

#include <string>

class CppSQLite3Exception;

namespace cmn::db {

// What the user is told about an SQLite failure: the fixed text of its code where there is
// one, else the detail of its message (after the first "]:", leading blank kept), else the
// general SQL database message.
std::string UserTextOf(const CppSQLite3Exception& exception);

} // namespace cmn::db
