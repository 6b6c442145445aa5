#pragma once

#include <string>
#include <string_view>

namespace ulq::cmn::utils {

// Standard Base64 (RFC 4648, alphabet A-Z a-z 0-9 + /) with "=" padding.
std::string Base64Encode(std::string_view bytes);

// Strict inverse of Base64Encode: the text must be whole padded quartets of the alphabet, with
// "=" only at the end. Anything else, whitespace included, is rejected with a cmn::BaseException
// ("Invalid data") whose log text names the offending offset; nothing is decoded partially.
std::string Base64Decode(std::string_view text);

} // namespace ulq::cmn::utils
