#pragma once

#include <boost/filesystem/path.hpp>

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

class TiXmlDocument;

namespace ulq::cmn {

// Files read whole stop here: a backup descriptor takes kilobytes, and anything far larger is not one.
constexpr std::uint64_t kMaxReadableFileBytes = 64ull << 20;

// Call before opening a file to be read whole: opening a FIFO blocks and a device never ends.
// Throws ulq::cmn::FileSystemException "Not a regular file: <path>" for anything but a regular
// file (links followed) and "File is too large to be read: <path>" beyond kMaxReadableFileBytes.
// A missing file passes, for the open to report.
void CheckReadableFile(const boost::filesystem::path& path);

// The rest of the stream, or the whole content of a file; none when it cannot be opened or read,
// or holds more than kMaxReadableFileBytes.
std::optional<std::string> ReadStreamBytes(std::istream& stream);
std::optional<std::string> ReadFileBytes(const boost::filesystem::path& path);

// Parses XML text into `document` with TinyXML; false, with TinyXML's error in the document or
// a cleared document, when it does not parse. TinyXML recurses once per open element, so text
// that nests deeper than a thread's stack surely holds is refused before TinyXML sees it.
bool ParseXmlText(const std::string& text, TiXmlDocument& document);

} // namespace ulq::cmn
