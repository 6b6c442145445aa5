#include "PlistValueText.h"

#include <cmath>
#include <cstdio>

namespace ulq::cmn::details {
namespace {

constexpr std::int64_t kSecondsFrom1970To2001 = 978307200;
constexpr std::int64_t kSecondsPerDay = 86400;
// About 31 million years: far beyond any real time stamp, and the year still fits an int.
constexpr double kLargestDateSeconds = 1e15;
constexpr char32_t kReplacementCharacter = 0xFFFD;

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Proleptic Gregorian date of a day count since 1970-01-01 (H. Hinnant's days-to-civil algorithm).
CivilDate CivilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

void AppendUtf8(std::string& text, char32_t codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

std::string RealText(double value)
{
    const int size = std::snprintf(nullptr, 0, "%f", value);
    std::string text(static_cast<std::size_t>(size), '\0');
    std::snprintf(text.data(), text.size() + 1, "%f", value);
    return text;
}

std::optional<std::string> DateText(double secondsSince2001)
{
    if (!std::isfinite(secondsSince2001) || std::fabs(secondsSince2001) > kLargestDateSeconds)
        return std::nullopt;
    const std::int64_t unixSeconds = static_cast<std::int64_t>(secondsSince2001) + kSecondsFrom1970To2001;
    std::int64_t days = unixSeconds / kSecondsPerDay;
    std::int64_t secondOfDay = unixSeconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    const CivilDate date = CivilFromDays(days);
    char text[64];
    std::snprintf(text, sizeof(text), "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year), date.month,
                  date.day, static_cast<int>(secondOfDay / 3600), static_cast<int>(secondOfDay / 60 % 60),
                  static_cast<int>(secondOfDay % 60));
    return std::string(text);
}

std::string Utf16BigEndianToUtf8(const std::uint8_t* bytes, std::size_t unitCount)
{
    std::string text;
    text.reserve(unitCount);
    for (std::size_t i = 0; i < unitCount; ++i) {
        const char32_t unit = (char32_t(bytes[2 * i]) << 8) | bytes[2 * i + 1];
        if (IsHighSurrogate(unit) && i + 1 < unitCount) {
            const char32_t next = (char32_t(bytes[2 * i + 2]) << 8) | bytes[2 * i + 3];
            if (IsLowSurrogate(next)) {
                AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(text, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacementCharacter : unit);
    }
    return text;
}

std::string SingleByteToUtf8(const std::uint8_t* bytes, std::size_t length)
{
    std::string text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i)
        AppendUtf8(text, bytes[i]);
    return text;
}

} // namespace ulq::cmn::details
