#include "BinaryPlistConverter.h"

#include "PlistValueText.h"

#include "cmn/Base64.h"

#include <tinyxml.h>

#include <cstring>
#include <limits>

namespace ulq::cmn::details {
namespace {

// Thrown and caught inside the converter only: unwinds a conversion of malformed data.
struct MalformedPlist {
};

[[noreturn]] void Fail()
{
    throw MalformedPlist{};
}

constexpr std::uint64_t kHeaderSize = 8;
// Far deeper than any real property list, far shallower than what exhausts a thread's stack
// (TinyXML also recurses per level when it prints or destroys the document).
constexpr unsigned kMaxNestingDepth = 512;
// Output accounting: every element counts this much on top of its text.
constexpr std::uint64_t kElementCost = 64;
constexpr std::uint64_t kBaseOutputBudget = std::uint64_t(1) << 20;
constexpr std::uint64_t kOutputBudgetPerInputByte = 256;

enum MarkerType : std::uint8_t {
    kSimple = 0x0,
    kInteger = 0x1,
    kReal = 0x2,
    kDate = 0x3,
    kData = 0x4,
    kAsciiString = 0x5,
    kUtf16String = 0x6,
    kUid = 0x8,
    kArray = 0xA,
    kSet = 0xC,
    kDict = 0xD,
};

constexpr std::uint8_t kNull = 0x00;
constexpr std::uint8_t kFalse = 0x08;
constexpr std::uint8_t kTrue = 0x09;
constexpr std::uint8_t kDateMarker = 0x33;
constexpr std::uint8_t kCountFollows = 0xF;

double ReadBigEndianDouble(const std::uint8_t* bytes)
{
    const std::uint64_t bits = ReadBigEndian(bytes, 8);
    double value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

float ReadBigEndianFloat(const std::uint8_t* bytes)
{
    const auto bits = static_cast<std::uint32_t>(ReadBigEndian(bytes, 4));
    float value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

// Integers of 1, 2 and 4 bytes are unsigned, those of 8 bytes signed; 16-byte integers carry
// values beyond the signed range and are kept exact when they fit 64 bits either way.
std::string IntegerText(const std::uint8_t* bytes, unsigned size)
{
    if (size < 8)
        return std::to_string(ReadBigEndian(bytes, size));
    if (size == 8)
        return std::to_string(static_cast<std::int64_t>(ReadBigEndian(bytes, 8)));
    const std::uint64_t high = ReadBigEndian(bytes, 8);
    const std::uint64_t low = ReadBigEndian(bytes + 8, 8);
    const bool lowIsNegative = (low >> 63) != 0;
    if (high == 0)
        return std::to_string(low);
    if (high == std::numeric_limits<std::uint64_t>::max() && lowIsNegative)
        return std::to_string(static_cast<std::int64_t>(low));
    Fail();
}

} // namespace

BinaryPlistConverter::BinaryPlistConverter(const std::uint8_t* data, std::size_t length,
                                           const BinaryPlistTrailer& trailer)
    : m_data(data)
    , m_trailer(trailer)
    // The trailer check bounds the object count by the length, so this stays in proportion.
    , m_onPath(trailer.objectCount, false)
    , m_outputBudget(kBaseOutputBudget + kOutputBudgetPerInputByte * length)
{
}

bool BinaryPlistConverter::ConvertTopObject(TiXmlElement& plist)
{
    try {
        ConvertObject(m_trailer.topObject, plist, false);
        return true;
    } catch (const MalformedPlist&) {
        return false;
    }
}

void BinaryPlistConverter::ConvertObject(std::uint64_t index, TiXmlNode& parent, bool asKey)
{
    const std::uint64_t offset = ObjectOffset(index);
    const std::uint8_t marker = m_data[offset];
    const std::uint8_t lowNibble = marker & 0x0F;
    std::uint64_t position = offset + 1;

    switch (marker >> 4) {
    case kSimple:
        if (marker == kNull)
            AddElement(parent, "null");
        else if (marker == kFalse)
            AddElement(parent, "false");
        else if (marker == kTrue)
            AddElement(parent, "true");
        else
            Fail();
        return;
    case kInteger: {
        if (lowNibble > 4)
            Fail();
        const unsigned size = 1u << lowNibble;
        RequireBytes(position, size);
        AddTextElement(parent, "integer", IntegerText(m_data + position, size));
        return;
    }
    case kReal:
        if (lowNibble == 2) {
            RequireBytes(position, 4);
            AddTextElement(parent, "real", RealText(ReadBigEndianFloat(m_data + position)));
        } else if (lowNibble == 3) {
            RequireBytes(position, 8);
            AddTextElement(parent, "real", RealText(ReadBigEndianDouble(m_data + position)));
        } else {
            Fail();
        }
        return;
    case kDate: {
        if (marker != kDateMarker)
            Fail();
        RequireBytes(position, 8);
        const std::optional<std::string> text = DateText(ReadBigEndianDouble(m_data + position));
        if (!text)
            Fail();
        AddTextElement(parent, "date", *text);
        return;
    }
    case kData: {
        const std::uint64_t size = ReadCount(lowNibble, position);
        RequireBytes(position, size);
        AddTextElement(parent, "data",
                       utils::Base64Encode({reinterpret_cast<const char*>(m_data + position), std::size_t(size)}));
        return;
    }
    case kAsciiString: {
        const std::uint64_t size = ReadCount(lowNibble, position);
        RequireBytes(position, size);
        AddTextElement(parent, asKey ? "key" : "string", SingleByteToUtf8(m_data + position, size));
        return;
    }
    case kUtf16String: {
        const std::uint64_t units = ReadCount(lowNibble, position);
        RequireBytes(position, units, 2);
        AddTextElement(parent, asKey ? "key" : "string", Utf16BigEndianToUtf8(m_data + position, units));
        return;
    }
    case kUid: {
        const unsigned size = lowNibble + 1u;
        if (size > 8)
            Fail();
        RequireBytes(position, size);
        AddTextElement(parent, "uid", std::to_string(ReadBigEndian(m_data + position, size)));
        return;
    }
    case kArray:
    case kSet:
    case kDict:
        ConvertContainer(index, position, marker, parent);
        return;
    default:
        Fail();
    }
}

void BinaryPlistConverter::ConvertContainer(std::uint64_t index, std::uint64_t position, std::uint8_t marker,
                                            TiXmlNode& parent)
{
    if (m_onPath[index] || m_depth >= kMaxNestingDepth)
        Fail();
    const bool isDict = (marker >> 4) == kDict;
    const std::uint64_t count = ReadCount(marker & 0x0F, position);
    const unsigned referenceSize = m_trailer.referenceSize;
    // A dictionary stores all key references, then all value references.
    RequireBytes(position, count, isDict ? 2 * referenceSize : referenceSize);

    m_onPath[index] = true;
    ++m_depth;
    TiXmlElement& element = AddElement(parent, isDict ? "dict" : "array");
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t slot = position + i * referenceSize;
        if (isDict) {
            ConvertObject(ReferenceAt(slot), element, true);
            ConvertObject(ReferenceAt(slot + count * referenceSize), element, false);
        } else {
            ConvertObject(ReferenceAt(slot), element, false);
        }
    }
    --m_depth;
    m_onPath[index] = false;
}

std::uint64_t BinaryPlistConverter::ObjectOffset(std::uint64_t index) const
{
    if (index >= m_trailer.objectCount)
        Fail();
    const std::uint64_t offset =
        ReadBigEndian(m_data + m_trailer.offsetTableOffset + index * m_trailer.offsetSize, m_trailer.offsetSize);
    if (offset < kHeaderSize || offset >= m_trailer.offsetTableOffset)
        Fail();
    return offset;
}

std::uint64_t BinaryPlistConverter::ReferenceAt(std::uint64_t position) const
{
    return ReadBigEndian(m_data + position, m_trailer.referenceSize);
}

std::uint64_t BinaryPlistConverter::ReadCount(std::uint8_t lowNibble, std::uint64_t& position) const
{
    if (lowNibble != kCountFollows)
        return lowNibble;
    RequireBytes(position, 1);
    const std::uint8_t marker = m_data[position];
    if ((marker >> 4) != kInteger || (marker & 0x0F) > 3)
        Fail();
    const unsigned size = 1u << (marker & 0x0F);
    RequireBytes(position + 1, size);
    const std::uint64_t count = ReadBigEndian(m_data + position + 1, size);
    position += 1 + size;
    return count;
}

void BinaryPlistConverter::RequireBytes(std::uint64_t position, std::uint64_t count, std::uint64_t itemSize) const
{
    const std::uint64_t end = m_trailer.offsetTableOffset;
    if (position > end || count > (end - position) / itemSize)
        Fail();
}

TiXmlElement& BinaryPlistConverter::AddElement(TiXmlNode& parent, const char* name)
{
    ChargeOutput(0);
    auto* element = new TiXmlElement(name);
    parent.LinkEndChild(element);
    return *element;
}

void BinaryPlistConverter::AddTextElement(TiXmlNode& parent, const char* name, const std::string& text)
{
    ChargeOutput(text.size());
    AddElement(parent, name).LinkEndChild(new TiXmlText(text));
}

void BinaryPlistConverter::ChargeOutput(std::size_t textSize)
{
    const std::uint64_t cost = kElementCost + textSize;
    if (cost > m_outputBudget)
        Fail();
    m_outputBudget -= cost;
}

} // namespace ulq::cmn::details
