#include "SqlException.h"

#include "cmn/ErrorCode.h"
#include "cmn/ErrorMessages.h"

#include <QCoreApplication>

namespace cmn::db {
namespace {

std::string SqlLogText(int sqlErrorNumber)
{
    const std::string text = SqlResultCodeText(sqlErrorNumber);
    return text.empty() ? GetErrorMessage(SqlDatabaseError) : text;
}

} // namespace

std::string SqlResultCodeText(int sqlResultCode)
{
    switch (sqlResultCode) {
    case 10: return QCoreApplication::translate("cmn", "The system cannot find the drive specified.").toStdString();
    case 13: return GetErrorMessage(NoFreeSpace);
    case 14: return QCoreApplication::translate("cmn", "The system cannot open database file.").toStdString();
    default: return {};
    }
}

SqlException::SqlException(const SourceLocation& location, int sqlErrorNumber, const std::string& userText)
    : BaseException(location, MakeErrorCode(static_cast<std::uint32_t>(sqlErrorNumber), Facility::Sql), userText,
                    SqlLogText(sqlErrorNumber))
{
}

} // namespace cmn::db
