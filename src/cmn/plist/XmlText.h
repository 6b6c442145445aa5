#pragma once

#include <boost/filesystem/path.hpp>

#include <istream>
#include <optional>
#include <string>

class TiXmlDocument;

namespace ulq::cmn {

// The rest of the stream, or the whole content of a file; none when it cannot be opened or read.
std::optional<std::string> ReadStreamBytes(std::istream& stream);
std::optional<std::string> ReadFileBytes(const boost::filesystem::path& path);

// Parses XML text into `document` with TinyXML; false, with TinyXML's error in the document or
// a cleared document, when it does not parse. TinyXML recurses once per nesting level, so text
// with enough markup to exhaust the stack must first pass a strict, non-recursive check: well
// formed, no document type or processing instructions, and a bounded nesting depth.
bool ParseXmlText(const std::string& text, TiXmlDocument& document);

} // namespace ulq::cmn
