#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace ulq::cmn::details {

// The top-level information a binary property list keeps in its last 32 bytes.
struct BinaryPlistTrailer {
    unsigned offsetSize = 0;
    unsigned referenceSize = 0;
    std::uint64_t objectCount = 0;
    std::uint64_t topObject = 0;
    // Also the end of the object area, which starts after the 8-byte header.
    std::uint64_t offsetTableOffset = 0;
};

// "bplist0": the format's signature, built once per process.
const std::string& BinaryPlistSignature();

// Big-endian unsigned integer of `size` bytes (at most 8).
std::uint64_t ReadBigEndian(const std::uint8_t* bytes, unsigned size);

// The trailer of a list that ends exactly at `length`, when header, object area, offset table
// and trailer fit together without gaps and the top object's offset lies in the object area.
// Every count is checked against the length before anyone allocates or reads by it.
std::optional<BinaryPlistTrailer> ReadBinaryPlistTrailer(const std::uint8_t* data, std::size_t length);

} // namespace ulq::cmn::details
