#include "CryptedLogException.h"

namespace CryptLog {

CryptedLogException::CryptedLogException(const std::string& message, const std::string& detail)
    : std::runtime_error(detail.empty() ? message : detail)
    , m_message(message)
    , m_detail(detail)
{
}

} // namespace CryptLog
