#pragma once

#include "LogKeyManager.h"

#include <cstddef>
#include <cstdint>
#include <memory>

struct evp_cipher_ctx_st;

namespace CryptLog {

// AES-128 in ECB mode without padding: the key is expanded once, then whole blocks are
// transformed independently of each other.
class AesEcbCipher final {
public:
    enum class Direction { Encrypt, Decrypt };

    // Throws CryptedLogException when OpenSSL cannot set the key up.
    AesEcbCipher(const LogKey& key, Direction direction);
    ~AesEcbCipher();

    AesEcbCipher(const AesEcbCipher&) = delete;
    AesEcbCipher& operator=(const AesEcbCipher&) = delete;

    // `size` is a multiple of 16; `input` and `output` may be the same buffer.
    void Transform(const std::uint8_t* input, std::uint8_t* output, std::size_t size);

private:
    struct ContextDeleter {
        void operator()(evp_cipher_ctx_st* context) const;
    };
    std::unique_ptr<evp_cipher_ctx_st, ContextDeleter> m_context;
};

} // namespace CryptLog
