#pragma once

#include "ILogDecryptor.h"
#include "ILogEncryptor.h"

#include <atomic>
#include <memory>

namespace CryptLog {

class AesEcbCipher;
class LogKeyManager;

// Encrypts log lines with the key manager's key and decrypts log files with the key their
// header names.
//
// Lines longer than 65535 bytes do not fit the 16-bit length field: they are cut to at most
// 65535 bytes at a UTF-8 character boundary. A buffer too small for the whole record gets the
// line cut (again at a character boundary) to what fits. Either way the record stays readable.
//
// "Stopped": encryption writes nothing, and a following decryption ends after its current pass.
// "Follow": decryption keeps reading a growing file, one pass a second, until stopped; another
// thread may set the stopped flag to end it.
class CryptLogApi final : public ILogEncryptor, public ILogDecryptor {
public:
    // A manager without a key (or none) leaves nothing to encrypt with: Encrypt then writes nothing.
    explicit CryptLogApi(std::shared_ptr<const LogKeyManager> keyManager = nullptr);
    ~CryptLogApi() override;

    std::size_t Encrypt(std::string_view text, std::uint8_t* buffer, std::size_t bufferSize) override;
    std::size_t GetEncryptedSize(std::size_t length) const override;

    void DecryptFile(const boost::filesystem::path& source, const boost::filesystem::path& destination) override;

    void SetStopped(bool stopped) { m_stopped.store(stopped); }
    bool IsStopped() const { return m_stopped.load(); }
    void SetFollow(bool follow) { m_follow.store(follow); }
    bool IsFollow() const { return m_follow.load(); }

private:
    // Waits for the next follow pass; false once stopped.
    bool WaitForNextPass() const;

    std::shared_ptr<const LogKeyManager> m_keyManager;
    std::unique_ptr<AesEcbCipher> m_encryptor;
    std::atomic<bool> m_stopped{false};
    std::atomic<bool> m_follow{false};
};

} // namespace CryptLog
