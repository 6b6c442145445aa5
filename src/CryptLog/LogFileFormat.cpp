#include "LogFileFormat.h"

#include "CryptedLogException.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/operations.hpp>

namespace CryptLog::LogFile {
namespace {

constexpr char Signature[] = {'X', 'J'};

} // namespace

Header MakeHeader(std::uint32_t keyIndex)
{
    Header header{Signature[0], Signature[1]};
    for (std::size_t i = 0; i < 4; ++i)
        header[2 + i] = static_cast<char>((keyIndex >> (8 * i)) & 0xFF);
    return header;
}

std::optional<std::uint32_t> ReadKeyIndex(const Header& header)
{
    if (header[0] != Signature[0] || header[1] != Signature[1])
        return std::nullopt;
    std::uint32_t keyIndex = 0;
    for (std::size_t i = 0; i < 4; ++i)
        keyIndex |= static_cast<std::uint32_t>(static_cast<unsigned char>(header[2 + i])) << (8 * i);
    return keyIndex;
}

void CreateLogFile(const boost::filesystem::path& path, int keyIndex)
{
    if (path.has_parent_path())
        boost::filesystem::create_directories(path.parent_path());
    boost::filesystem::ofstream file(path, std::ios::binary | std::ios::trunc);
    const Header header = MakeHeader(static_cast<std::uint32_t>(keyIndex));
    file.write(header.data(), header.size());
    file.close();
    if (!file)
        throw CryptedLogException(path.string() + ": Cannot write the log file header.");
}

} // namespace CryptLog::LogFile
