#pragma once

#include <stdexcept>
#include <string>

namespace CryptLog {

// Failure of the encrypted log layer. `what()` gives the detail text when there is one,
// else the message; the message alone stays available for callers that match on it.
class CryptedLogException final : public std::runtime_error {
public:
    explicit CryptedLogException(const std::string& message, const std::string& detail = {});

    const std::string& GetMessage() const { return m_message; }
    const std::string& GetDetail() const { return m_detail; }

private:
    std::string m_message;
    std::string m_detail;
};

} // namespace CryptLog
