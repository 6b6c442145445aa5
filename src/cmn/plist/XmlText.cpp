#include "XmlText.h"

#include "cmn/FileErrorTexts.h"
#include "cmn/LongPath.h"
#include "cmn/PathEncoding.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/operations.hpp>

#include <QCoreApplication>

#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace ulq::cmn {
namespace {

// TinyXML recurses once per open element; beyond this depth a host thread's small stack could
// run out before the parser does.
constexpr int kMaxNestingDepth = 1000;
// TinyXML steps over a UTF-8 sequence by its lead byte without looking for the terminator; a
// truncated sequence at the end would take it past the buffer.
constexpr std::size_t kTerminatorPadding = 4;

bool StartsWith(const std::string& text, std::size_t position, const char* prefix)
{
    return text.compare(position, std::strlen(prefix), prefix) == 0;
}

// Where `terminator` ends, searched from `position`; the end of the text when it never does.
std::size_t After(const std::string& text, std::size_t position, const char* terminator)
{
    const std::size_t found = text.find(terminator, position);
    return found == std::string::npos ? text.size() : found + std::strlen(terminator);
}

// The end of the start tag opened at `position`, and whether it closes itself. Quotes count only
// where a value begins, as in TinyXML, so that a stray one cannot hide the tag's end.
std::size_t EndOfStartTag(const std::string& text, std::size_t position, bool& selfClosing)
{
    bool afterEquals = false;
    for (std::size_t index = position + 1; index < text.size(); ++index) {
        const char c = text[index];
        if (afterEquals && (c == '"' || c == '\'')) {
            index = text.find(c, index + 1);
            if (index == std::string::npos)
                break;
            afterEquals = false;
        } else if (c == '=') {
            afterEquals = true;
        } else if (c == '>') {
            selfClosing = text[index - 1] == '/';
            return index + 1;
        } else if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            afterEquals = false;
        }
    }
    selfClosing = true;
    return text.size();
}

// The deepest element nesting TinyXML would recurse into, found without recursion. Comments and
// CDATA end where TinyXML ends them; document types, declarations and processing instructions at
// their first '>', as TinyXML ends them, so that markup after it is counted as TinyXML reads it.
bool IsNestingBounded(const std::string& text)
{
    int depth = 0;
    std::size_t position = text.find('<');
    while (position != std::string::npos && position < text.size()) {
        if (StartsWith(text, position, "<!--")) {
            position = After(text, position + 4, "-->");
        } else if (StartsWith(text, position, "<![CDATA[")) {
            position = After(text, position + 9, "]]>");
        } else if (StartsWith(text, position, "<!") || StartsWith(text, position, "<?")) {
            position = After(text, position + 2, ">");
        } else if (StartsWith(text, position, "</")) {
            depth = std::max(depth - 1, 0);
            position = After(text, position + 2, ">");
        } else {
            bool selfClosing = false;
            position = EndOfStartTag(text, position, selfClosing);
            if (!selfClosing && ++depth > kMaxNestingDepth)
                return false;
        }
        position = text.find('<', position);
    }
    return true;
}

} // namespace

void CheckReadableFile(const boost::filesystem::path& path)
{
    using utils::details::FileErrorTexts;
    using utils::details::ThrowFileError;
    boost::system::error_code error;
    const boost::filesystem::path longPath = utils::ApplyLongPathForm(path);
    const boost::filesystem::file_status status = boost::filesystem::status(longPath, error);
    // A missing file is left to the open, which reports it in its own words.
    if (status.type() == boost::filesystem::file_not_found)
        return;
    if (!boost::filesystem::is_regular_file(status)) {
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "Not a regular file: "))
                           .Verbatim(utils::PathToUtf8(path)),
                       path);
    }
    const std::uintmax_t size = boost::filesystem::file_size(longPath, error);
    if (!error && size > kMaxReadableFileBytes) {
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "File is too large to be read: "))
                           .Verbatim(utils::PathToUtf8(path))
                           .LogOnly(" (" + std::to_string(size) + " bytes)"),
                       path);
    }
}

std::optional<std::string> ReadStreamBytes(std::istream& stream)
{
    // Reading one chunk beyond the limit tells a file that grew after it was checked.
    std::string bytes;
    char chunk[64 * 1024];
    while (stream && bytes.size() <= kMaxReadableFileBytes) {
        stream.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(stream.gcount()));
    }
    if (stream.bad() || bytes.size() > kMaxReadableFileBytes)
        return std::nullopt;
    return bytes;
}

std::optional<std::string> ReadFileBytes(const boost::filesystem::path& path)
{
    boost::filesystem::ifstream stream(utils::ApplyLongPathForm(path), std::ios::binary);
    if (!stream)
        return std::nullopt;
    return ReadStreamBytes(stream);
}

bool ParseXmlText(const std::string& text, TiXmlDocument& document)
{
    document.Clear();
    if (!IsNestingBounded(text))
        return false;
    std::string padded = text;
    padded.append(kTerminatorPadding, '\0');
    document.Parse(padded.c_str());
    return !document.Error();
}

} // namespace ulq::cmn
