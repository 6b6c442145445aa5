#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Texts of the scalar values of a binary property list, as its XML form spells them.
namespace ulq::cmn::details {

// Six decimals, as printf's "%f" writes them.
std::string RealText(double value);

// "YYYY-MM-DDThh:mm:ssZ" of seconds since 2001-01-01 00:00:00 UTC, cut to whole seconds.
// None for values that are not finite or lie millions of years away.
std::optional<std::string> DateText(double secondsSince2001);

// UTF-8 of big-endian UTF-16 code units; unpaired surrogates become U+FFFD.
std::string Utf16BigEndianToUtf8(const std::uint8_t* bytes, std::size_t unitCount);

// UTF-8 of single-byte text. The format stores ASCII; bytes above 0x7F, which only malformed
// lists carry, are read as Latin-1 so that the document stays valid UTF-8 and loses nothing.
std::string SingleByteToUtf8(const std::uint8_t* bytes, std::size_t length);

} // namespace ulq::cmn::details
