#include "XmlText.h"

#include "cmn/LongPath.h"

#include <boost/filesystem/fstream.hpp>

#include <QByteArray>
#include <QXmlStreamReader>

#include <tinyxml.h>

#include <algorithm>
#include <iterator>
#include <limits>

namespace ulq::cmn {
namespace {

// Text with at most this many '<' cannot nest deeper than TinyXML's recursion safely goes,
// even on the small stacks of host threads.
constexpr std::size_t kMaxUncheckedMarkup = 1000;
constexpr int kMaxNestingDepth = 256;
// TinyXML steps over a UTF-8 sequence by its lead byte without looking for the terminator; a
// truncated sequence at the end would take it past the buffer.
constexpr std::size_t kTerminatorPadding = 4;

bool IsStrictlyWellFormed(const std::string& text)
{
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return false;
    QXmlStreamReader reader(QByteArray::fromRawData(text.data(), static_cast<int>(text.size())));
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > kMaxNestingDepth)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        // TinyXML ends these at their first '>', so markup inside them could nest unseen here.
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::ProcessingInstruction:
            return false;
        default:
            break;
        }
    }
    return !reader.hasError();
}

} // namespace

std::optional<std::string> ReadStreamBytes(std::istream& stream)
{
    std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad())
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
    const auto markupCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '<'));
    if (markupCount > kMaxUncheckedMarkup && !IsStrictlyWellFormed(text))
        return false;
    std::string padded = text;
    padded.append(kTerminatorPadding, '\0');
    document.Parse(padded.c_str());
    return !document.Error();
}

} // namespace ulq::cmn
