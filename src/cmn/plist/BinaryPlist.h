#pragma once

#include <cstddef>
#include <istream>

class TiXmlDocument;

namespace ulq::cmn {

// Whether the stream starts with the binary property-list signature "bplist0". The stream is
// rewound to its start either way.
bool IsBinaryPlist(std::istream& stream);

// Converts a binary property list into the equivalent XML property-list document.
// Returns cmn::NoError (0) when `document` holds the declaration and the "plist" element,
// cmn::InvalidParameter (2) for a null document or data pointer, and cmn::InvalidFileFormat (3)
// when no trailer is found or an object cannot be converted; the document is then left empty.
// Malformed data never throws: bounds, reference cycles and nesting depth are all checked.
int LoadBinaryPlist(TiXmlDocument* document, const void* data, std::size_t length);

} // namespace ulq::cmn
