#pragma once

#include <boost/filesystem/path.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// Encrypted log file: "XJ", the key index as 32-bit little-endian, then one record per line.
// A record is the line's length as 16-bit little-endian, the UTF-8 line and zero bytes up to a
// multiple of 16, encrypted with AES-128 in ECB mode.
namespace CryptLog::LogFile {

constexpr std::size_t HeaderSize = 6;
constexpr std::size_t BlockSize = 16;
constexpr std::size_t LengthFieldSize = 2;
constexpr std::size_t MaxLineLength = 0xFFFF;
// A smaller buffer cannot hold one block plus the length field; encryption then writes nothing.
constexpr std::size_t MinRecordBufferSize = LengthFieldSize + BlockSize;

using Header = std::array<char, HeaderSize>;

Header MakeHeader(std::uint32_t keyIndex);
// The key index a header names; none when the signature is not ours.
std::optional<std::uint32_t> ReadKeyIndex(const Header& header);

constexpr std::size_t RoundUpToBlock(std::size_t size)
{
    return (size + BlockSize - 1) / BlockSize * BlockSize;
}

// The encrypted size of a line of at most MaxLineLength bytes.
constexpr std::size_t RecordSize(std::size_t lineLength)
{
    return RoundUpToBlock(LengthFieldSize + lineLength);
}

// Creates the file with its header, and its missing parent folders. Throws CryptedLogException
// or boost::filesystem::filesystem_error.
void CreateLogFile(const boost::filesystem::path& path, int keyIndex);

} // namespace CryptLog::LogFile
