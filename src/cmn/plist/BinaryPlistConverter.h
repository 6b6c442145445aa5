#pragma once

#include "BinaryPlistTrailer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TiXmlElement;
class TiXmlNode;

namespace ulq::cmn::details {

// Turns the objects of one binary property list into XML property-list elements.
// Malformed data is expected here: every reference, offset and length is checked against the
// object area, a container that (indirectly) contains itself is rejected, nesting is limited,
// and the output is capped in proportion to the input, since shared references could otherwise
// unfold a small file into an enormous document.
class BinaryPlistConverter final {
public:
    BinaryPlistConverter(const std::uint8_t* data, std::size_t length, const BinaryPlistTrailer& trailer);

    // Appends the top object to `plist`; false when some object cannot be converted, in which
    // case `plist` may hold a partial result.
    bool ConvertTopObject(TiXmlElement& plist);

private:
    void ConvertObject(std::uint64_t index, TiXmlNode& parent, bool asKey);
    void ConvertContainer(std::uint64_t index, std::uint64_t position, std::uint8_t marker, TiXmlNode& parent);

    std::uint64_t ObjectOffset(std::uint64_t index) const;
    std::uint64_t ReferenceAt(std::uint64_t position) const;
    // Reads the count of a marker's low nibble, or of the integer object following it when the
    // nibble is 15; `position` then moves past that integer.
    std::uint64_t ReadCount(std::uint8_t lowNibble, std::uint64_t& position) const;
    // Ensures `count` items of `itemSize` bytes at `position` lie inside the object area.
    void RequireBytes(std::uint64_t position, std::uint64_t count, std::uint64_t itemSize = 1) const;

    TiXmlElement& AddElement(TiXmlNode& parent, const char* name);
    void AddTextElement(TiXmlNode& parent, const char* name, const std::string& text);
    void ChargeOutput(std::size_t textSize);

    const std::uint8_t* m_data;
    BinaryPlistTrailer m_trailer;
    std::vector<bool> m_onPath;
    unsigned m_depth = 0;
    std::uint64_t m_outputBudget;
};

} // namespace ulq::cmn::details
