#include "CryptLogApi.h"

#include "AesEcbCipher.h"
#include "CryptedLogException.h"
#include "LogFileFormat.h"
#include "LogKeyManager.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/operations.hpp>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <thread>
#include <vector>

namespace CryptLog {
namespace {

constexpr auto FollowInterval = std::chrono::seconds(1);
constexpr auto StopPollInterval = std::chrono::milliseconds(50);

bool IsUtf8Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The longest prefix of at most `limit` bytes that does not split a UTF-8 character.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    std::size_t cut = limit;
    // A character has at most three continuation bytes; beyond that the text is not UTF-8.
    for (int stepped = 0; stepped < 3 && cut > 0 && IsUtf8Continuation(text[cut]); ++stepped)
        --cut;
    return cut;
}

bool IsValidFilePath(const boost::filesystem::path& path)
{
    boost::system::error_code error;
    const boost::filesystem::path target = boost::filesystem::absolute(path);
    const boost::filesystem::path name = target.filename();
    return target.has_parent_path() && !name.empty() && name != "." && name != ".."
        && !boost::filesystem::is_directory(target, error);
}

int ReadHeaderKeyIndex(std::istream& input)
{
    LogFile::Header header{};
    if (!input.read(header.data(), header.size()))
        return 0;
    const std::optional<std::uint32_t> keyIndex = LogFile::ReadKeyIndex(header);
    return keyIndex && *keyIndex <= INT_MAX ? static_cast<int>(*keyIndex) : 0;
}

bool ReadExactly(std::istream& input, std::uint8_t* data, std::size_t size)
{
    input.read(reinterpret_cast<char*>(data), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(input.gcount()) == size;
}

// Decrypts whole records up to the end of the input. A record that runs past the end is left
// for the next pass: the input is put back to its start.
void DecryptRecords(std::istream& input, AesEcbCipher& cipher, std::ostream& output)
{
    std::vector<std::uint8_t> record;
    for (;;) {
        const std::istream::pos_type recordStart = input.tellg();
        record.resize(LogFile::BlockSize);
        bool complete = ReadExactly(input, record.data(), LogFile::BlockSize);
        if (complete) {
            cipher.Transform(record.data(), record.data(), LogFile::BlockSize);
            const std::size_t length = record[0] | (record[1] << 8);
            record.resize(LogFile::RecordSize(length));
            const std::size_t rest = record.size() - LogFile::BlockSize;
            complete = ReadExactly(input, record.data() + LogFile::BlockSize, rest);
            if (complete) {
                cipher.Transform(record.data() + LogFile::BlockSize, record.data() + LogFile::BlockSize, rest);
                output.write(reinterpret_cast<const char*>(record.data() + LogFile::LengthFieldSize),
                             static_cast<std::streamsize>(length));
            }
        }
        if (!complete) {
            input.clear();
            input.seekg(recordStart);
            return;
        }
    }
}

} // namespace

CryptLogApi::CryptLogApi(std::shared_ptr<const LogKeyManager> keyManager)
    : m_keyManager(std::move(keyManager))
{
    if (m_keyManager && m_keyManager->GetKey())
        m_encryptor = std::make_unique<AesEcbCipher>(*m_keyManager->GetKey(), AesEcbCipher::Direction::Encrypt);
}

CryptLogApi::~CryptLogApi() = default;

std::size_t CryptLogApi::Encrypt(std::string_view text, std::uint8_t* buffer, std::size_t bufferSize)
{
    if (IsStopped() || !m_encryptor || !buffer || bufferSize < LogFile::MinRecordBufferSize)
        return 0;
    const std::size_t room = bufferSize / LogFile::BlockSize * LogFile::BlockSize - LogFile::LengthFieldSize;
    const std::size_t length = Utf8PrefixLength(text, std::min(room, LogFile::MaxLineLength));
    const std::size_t recordSize = LogFile::RecordSize(length);
    buffer[0] = static_cast<std::uint8_t>(length & 0xFF);
    buffer[1] = static_cast<std::uint8_t>(length >> 8);
    std::memcpy(buffer + LogFile::LengthFieldSize, text.data(), length);
    std::memset(buffer + LogFile::LengthFieldSize + length, 0, recordSize - LogFile::LengthFieldSize - length);
    m_encryptor->Transform(buffer, buffer, recordSize);
    return recordSize;
}

std::size_t CryptLogApi::GetEncryptedSize(std::size_t length) const
{
    return LogFile::RecordSize(std::min(length, LogFile::MaxLineLength));
}

void CryptLogApi::DecryptFile(const boost::filesystem::path& source, const boost::filesystem::path& destination)
{
    boost::system::error_code error;
    if (!boost::filesystem::exists(source, error))
        throw CryptedLogException("Cannot find the source file specified.");
    const std::string invalidDestination = destination.string() + ": Invalid path.";
    if (!IsValidFilePath(destination))
        throw CryptedLogException(invalidDestination);

    // The standard streams let other handles read and write the file, so the writer can go on.
    boost::filesystem::ifstream input(source, std::ios::binary);
    if (!input)
        throw CryptedLogException("Cannot find the source file specified.",
                                  source.string() + ": Cannot open the file for reading.");
    const LogKeyManager keys(ReadHeaderKeyIndex(input));
    if (!keys.GetKey())
        throw CryptedLogException("Cannot get key for decrypting");
    AesEcbCipher cipher(*keys.GetKey(), AesEcbCipher::Direction::Decrypt);

    boost::filesystem::ofstream output(destination, std::ios::binary | std::ios::trunc);
    if (!output)
        throw CryptedLogException(invalidDestination, destination.string() + ": Cannot open the file for writing.");
    for (;;) {
        DecryptRecords(input, cipher, output);
        output.flush();
        if (!output)
            throw CryptedLogException(destination.string() + ": Cannot write the file.");
        if (!IsFollow() || !WaitForNextPass())
            return;
    }
}

bool CryptLogApi::WaitForNextPass() const
{
    for (auto waited = std::chrono::milliseconds(0); waited < FollowInterval; waited += StopPollInterval) {
        if (IsStopped())
            return false;
        std::this_thread::sleep_for(StopPollInterval);
    }
    return !IsStopped();
}

} // namespace CryptLog
