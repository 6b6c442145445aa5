#include "EncryptingTxtConverter.h"

#include "CryptLogApi.h"
#include "LogFileFormat.h"
#include "LogKeyManager.h"

#include <algorithm>

namespace CryptLog {

EncryptingTxtConverter::EncryptingTxtConverter(std::shared_ptr<const LogKeyManager> keyManager)
    : m_keyManager(std::move(keyManager))
{
}

std::vector<std::uint8_t> EncryptingTxtConverter::Convert(std::string_view line) const
{
    CryptLogApi encryptor(m_keyManager);
    // The encryptor refuses buffers below its minimum, which a one-block record of a line of
    // up to 14 bytes would be; the spare bytes are trimmed off again.
    std::vector<std::uint8_t> record(
        std::max(encryptor.GetEncryptedSize(line.size()), LogFile::MinRecordBufferSize), 0);
    record.resize(encryptor.Encrypt(line, record.data(), record.size()));
    return record;
}

} // namespace CryptLog
