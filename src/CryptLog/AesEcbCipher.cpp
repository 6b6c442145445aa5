#include "AesEcbCipher.h"

#include "CryptedLogException.h"
#include "LogFileFormat.h"

#include <openssl/evp.h>

#include <climits>

namespace CryptLog {

void AesEcbCipher::ContextDeleter::operator()(EVP_CIPHER_CTX* context) const
{
    EVP_CIPHER_CTX_free(context);
}

AesEcbCipher::AesEcbCipher(const LogKey& key, Direction direction)
    : m_context(EVP_CIPHER_CTX_new())
{
    const int encrypt = direction == Direction::Encrypt ? 1 : 0;
    if (!m_context
        || EVP_CipherInit_ex(m_context.get(), EVP_aes_128_ecb(), nullptr, key.data(), nullptr, encrypt) != 1
        || EVP_CIPHER_CTX_set_padding(m_context.get(), 0) != 1)
        throw CryptedLogException("Cannot set up the AES key");
}

AesEcbCipher::~AesEcbCipher() = default;

void AesEcbCipher::Transform(const std::uint8_t* input, std::uint8_t* output, std::size_t size)
{
    // One call per record keeps the calls within int; a record is at most 65552 bytes.
    static_assert(LogFile::RoundUpToBlock(LogFile::MaxLineLength + LogFile::LengthFieldSize) <= INT_MAX);
    int written = 0;
    if (size % LogFile::BlockSize != 0 || size > INT_MAX
        || EVP_CipherUpdate(m_context.get(), output, &written, input, static_cast<int>(size)) != 1
        || static_cast<std::size_t>(written) != size)
        throw CryptedLogException("AES block transformation failed");
}

} // namespace CryptLog
