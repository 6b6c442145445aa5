#include "BinaryPlistTrailer.h"

#include <cstring>

namespace ulq::cmn::details {
namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kTrailerSize = 32;

// Whether `value` fits into an unsigned integer of `size` bytes.
bool FitsInBytes(std::uint64_t value, unsigned size)
{
    return size >= 8 || value < (std::uint64_t(1) << (8 * size));
}

} // namespace

const std::string& BinaryPlistSignature()
{
    static const std::string signature = "bplist0";
    return signature;
}

std::uint64_t ReadBigEndian(const std::uint8_t* bytes, unsigned size)
{
    std::uint64_t value = 0;
    for (unsigned i = 0; i < size; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

std::optional<BinaryPlistTrailer> ReadBinaryPlistTrailer(const std::uint8_t* data, std::size_t length)
{
    const std::string& signature = BinaryPlistSignature();
    if (length < kHeaderSize + 1 + kTrailerSize || std::memcmp(data, signature.data(), signature.size()) != 0)
        return std::nullopt;

    // Layout: 5 unused bytes, sort version, offset size, reference size, then three 8-byte fields.
    const std::uint8_t* raw = data + length - kTrailerSize;
    BinaryPlistTrailer trailer;
    trailer.offsetSize = raw[6];
    trailer.referenceSize = raw[7];
    trailer.objectCount = ReadBigEndian(raw + 8, 8);
    trailer.topObject = ReadBigEndian(raw + 16, 8);
    trailer.offsetTableOffset = ReadBigEndian(raw + 24, 8);

    if (trailer.offsetSize < 1 || trailer.offsetSize > 8 || trailer.referenceSize < 1 || trailer.referenceSize > 8)
        return std::nullopt;
    if (trailer.objectCount < 1 || trailer.topObject >= trailer.objectCount)
        return std::nullopt;
    const std::uint64_t tableEnd = length - kTrailerSize;
    if (trailer.offsetTableOffset < kHeaderSize + 1 || trailer.offsetTableOffset >= tableEnd)
        return std::nullopt;
    // The offset table fills the gap to the trailer exactly; dividing first keeps a huge object
    // count from overflowing the product.
    const std::uint64_t tableSize = tableEnd - trailer.offsetTableOffset;
    if (tableSize % trailer.offsetSize != 0 || tableSize / trailer.offsetSize != trailer.objectCount)
        return std::nullopt;
    if (!FitsInBytes(trailer.objectCount - 1, trailer.referenceSize)
        || !FitsInBytes(trailer.offsetTableOffset - 1, trailer.offsetSize))
        return std::nullopt;

    const std::uint64_t topOffset =
        ReadBigEndian(data + trailer.offsetTableOffset + trailer.topObject * trailer.offsetSize, trailer.offsetSize);
    if (topOffset < kHeaderSize || topOffset >= trailer.offsetTableOffset)
        return std::nullopt;
    return trailer;
}

} // namespace ulq::cmn::details
