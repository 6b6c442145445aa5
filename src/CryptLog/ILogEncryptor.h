#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace CryptLog {

class ILogEncryptor {
public:
    virtual ~ILogEncryptor() = default;

    // Writes the encrypted record of one UTF-8 line into `buffer`; returns the bytes written,
    // 0 when nothing could be written.
    virtual std::size_t Encrypt(std::string_view text, std::uint8_t* buffer, std::size_t bufferSize) = 0;
    // The record size for a line of `length` bytes.
    virtual std::size_t GetEncryptedSize(std::size_t length) const = 0;
};

} // namespace CryptLog
