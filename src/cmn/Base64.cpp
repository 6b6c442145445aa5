#include "Base64.h"

#include "BaseException.h"
#include "ErrorCode.h"
#include "ErrorMessages.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace ulq::cmn::utils {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPadding = '=';
constexpr std::uint8_t kNotInAlphabet = 0xFF;
constexpr std::uint32_t kInvalidDataCode = 4;

constexpr std::array<std::uint8_t, 256> MakeDecodeTable()
{
    std::array<std::uint8_t, 256> table{};
    for (auto& value : table)
        value = kNotInAlphabet;
    for (std::uint8_t index = 0; index < 64; ++index)
        table[static_cast<unsigned char>(kAlphabet[index])] = index;
    return table;
}

constexpr std::array<std::uint8_t, 256> kDecodeTable = MakeDecodeTable();

[[noreturn]] void ThrowInvalidText(std::size_t offset)
{
    throw ::cmn::BaseException(CMN_SOURCE_LOCATION, ::cmn::MakeErrorCode(kInvalidDataCode),
                               ::cmn::GetErrorMessage(kInvalidDataCode),
                               "Invalid Base64 text at offset " + std::to_string(offset) + ".");
}

std::uint8_t SextetAt(std::string_view text, std::size_t offset)
{
    const std::uint8_t value = kDecodeTable[static_cast<unsigned char>(text[offset])];
    if (value == kNotInAlphabet)
        ThrowInvalidText(offset);
    return value;
}

} // namespace

std::string Base64Encode(std::string_view bytes)
{
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t offset = 0; offset < bytes.size(); offset += 3) {
        const std::size_t taken = std::min<std::size_t>(3, bytes.size() - offset);
        std::uint32_t group = 0;
        for (std::size_t index = 0; index < taken; ++index)
            group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + index])) << (16 - 8 * index);
        // n bytes fill n + 1 sextets; padding completes the quartet.
        for (std::size_t sextet = 0; sextet < 4; ++sextet)
            text += sextet <= taken ? kAlphabet[(group >> (18 - 6 * sextet)) & 0x3F] : kPadding;
    }
    return text;
}

std::string Base64Decode(std::string_view text)
{
    if (text.size() % 4 != 0)
        ThrowInvalidText(text.size());
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    for (std::size_t offset = 0; offset < text.size(); offset += 4) {
        const bool lastQuartet = offset + 4 == text.size();
        const bool thirdIsPadding = lastQuartet && text[offset + 2] == kPadding;
        const bool fourthIsPadding = lastQuartet && text[offset + 3] == kPadding;
        if (thirdIsPadding && !fourthIsPadding)
            ThrowInvalidText(offset + 3);

        // One sextet at a time, so that the first bad character is the one reported.
        const std::size_t sextets = thirdIsPadding ? 2 : (fourthIsPadding ? 3 : 4);
        std::uint32_t group = 0;
        for (std::size_t index = 0; index < sextets; ++index)
            group |= static_cast<std::uint32_t>(SextetAt(text, offset + index)) << (18 - 6 * index);

        // n sextets carry n - 1 whole bytes.
        for (std::size_t index = 0; index + 1 < sextets; ++index)
            bytes += static_cast<char>((group >> (16 - 8 * index)) & 0xFF);
    }
    return bytes;
}

} // namespace ulq::cmn::utils
