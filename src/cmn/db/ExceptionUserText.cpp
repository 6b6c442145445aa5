#include "ExceptionUserText.h"

#include "CppSQLite3Exception.h"
#include "SqlException.h"

#include "cmn/ErrorCode.h"
#include "cmn/ErrorMessages.h"

#include <string_view>

namespace cmn::db {

std::string UserTextOf(const CppSQLite3Exception& exception)
{
    std::string text = SqlResultCodeText(exception.ErrorCode());
    if (!text.empty())
        return text;
    const std::string_view message = exception.ErrorMessage();
    constexpr std::string_view separator = "]:";
    const std::size_t at = message.find(separator);
    if (at == std::string_view::npos)
        return GetErrorMessage(SqlDatabaseError);
    return std::string(message.substr(at + separator.size()));
}

} // namespace cmn::db
