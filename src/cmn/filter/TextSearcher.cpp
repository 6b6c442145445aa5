#include "TextSearcher.h"

#include "CaseFolding.h"
#include "FoldedTexts.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace cmn::filter {
namespace {

const unsigned char* FindUnit(const unsigned char* from, const unsigned char* end, unsigned char unit)
{
    const void* found = std::memchr(from, unit, static_cast<std::size_t>(end - from));
    return found != nullptr ? static_cast<const unsigned char*>(found) : end;
}

const char16_t* FindUnit(const char16_t* from, const char16_t* end, char16_t unit)
{
    return std::find(from, end, unit);
}

// Knuth-Morris-Pratt: every unit of the text is looked at a bounded number of times, and while
// nothing is matched a plain scan skips to the next unit that can start a match.
template <typename Unit>
std::size_t CountOccurrences(const Unit* text, std::size_t length, const Unit* needle, std::size_t needleLength,
                             const quint32* borders, bool firstOnly)
{
    if (length < needleLength)
        return 0;
    const Unit* const end = text + length;
    std::size_t count = 0;
    std::size_t matched = 0;
    for (const Unit* at = text; at < end; ++at) {
        if (matched == 0) {
            at = FindUnit(at, end, needle[0]);
            if (at == end)
                break;
            matched = 1;
        } else {
            while (matched > 0 && needle[matched] != *at)
                matched = borders[matched - 1];
            if (needle[matched] == *at)
                ++matched;
        }
        if (matched == needleLength) {
            ++count;
            if (firstOnly)
                break;
            matched = borders[matched - 1];
        }
    }
    return count;
}

} // namespace

TextSearcher::TextSearcher(const QString& searchText)
{
    AppendCaseFolded(searchText, m_wide);
    if (std::all_of(m_wide.begin(), m_wide.end(), [](char16_t unit) { return unit <= 0xFF; }))
        m_narrow.assign(m_wide.begin(), m_wide.end());

    m_borders.resize(m_wide.size());
    quint32 border = 0;
    for (std::size_t at = 1; at < m_wide.size(); ++at) {
        while (border > 0 && m_wide[at] != m_wide[border])
            border = m_borders[border - 1];
        if (m_wide[at] == m_wide[border])
            ++border;
        m_borders[at] = border;
    }
}

std::size_t TextSearcher::Count(const FoldedTexts& texts, std::size_t record) const
{
    return CountInRecord(texts, record, false);
}

bool TextSearcher::IsFoundIn(const FoldedTexts& texts, std::size_t record) const
{
    return CountInRecord(texts, record, true) > 0;
}

std::size_t TextSearcher::CountInRecord(const FoldedTexts& texts, std::size_t record, bool firstOnly) const
{
    std::size_t count = 0;
    if (IsEmpty())
        return count;
    texts.ForEachText(record, [this, firstOnly, &count](const auto* units, std::size_t length) {
        if constexpr (std::is_same_v<decltype(units), const char16_t*>) {
            count += CountOccurrences(units, length, m_wide.data(), m_wide.size(), m_borders.data(), firstOnly);
        } else if (!m_narrow.empty()) {
            count += CountOccurrences(units, length, reinterpret_cast<const unsigned char*>(m_narrow.data()),
                                      m_narrow.size(), m_borders.data(), firstOnly);
        }
        return firstOnly && count > 0;
    });
    return count;
}

} // namespace cmn::filter
