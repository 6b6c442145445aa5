#pragma once

#include <boost/filesystem/path.hpp>

#include <string>

class TiXmlElement;

namespace cmn::details {

// The text of the first child element named `name`; null when there is none or it has no text.
const char* ChildText(const TiXmlElement& element, const char* name);

// A path from descriptor text, which is UTF-8 whatever the system's narrow encoding.
boost::filesystem::path PathFromUtf8(const std::string& text);

} // namespace cmn::details
