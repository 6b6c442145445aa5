#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace CryptLog {

class LogKeyManager;

// Turns one formatted UTF-8 line into its encrypted record. Each line gets an encryptor of its
// own, so lines from different threads share nothing but the read-only key manager.
class EncryptingTxtConverter final {
public:
    explicit EncryptingTxtConverter(std::shared_ptr<const LogKeyManager> keyManager);

    // Empty when the line cannot be encrypted (no key).
    std::vector<std::uint8_t> Convert(std::string_view line) const;

private:
    std::shared_ptr<const LogKeyManager> m_keyManager;
};

} // namespace CryptLog
