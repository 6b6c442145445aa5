#include "FoldedTexts.h"

#include "CaseFolding.h"

#include <QString>

#include <algorithm>

namespace cmn::filter {

void FoldedTexts::StartRecord()
{
    m_recordStarts.push_back(m_units.size());
}

void FoldedTexts::AddText(const QString& text)
{
    m_folded.clear();
    AppendCaseFolded(text, m_folded);
    const std::size_t length = m_folded.size();
    const bool wide = std::any_of(m_folded.begin(), m_folded.end(), [](char16_t unit) { return unit > 0xFF; });

    const std::size_t flags = wide ? WideFlag : 0;
    if (length <= MaxShortLength) {
        m_units.push_back(char16_t(length << HeaderLengthShift | flags));
    } else {
        m_units.push_back(char16_t(LongLengthFlag | flags));
        m_units.push_back(char16_t(length & 0xFFFF));
        m_units.push_back(char16_t(length >> 16));
    }

    const std::size_t start = m_units.size();
    if (wide) {
        m_units.insert(m_units.end(), m_folded.begin(), m_folded.end());
    } else {
        m_units.resize(start + (length + 1) / 2);
        auto* bytes = reinterpret_cast<unsigned char*>(m_units.data() + start);
        std::transform(m_folded.begin(), m_folded.end(), bytes,
                       [](char16_t unit) { return static_cast<unsigned char>(unit); });
    }
    // One huge text (a name of megabytes) should not leave its scratch copy behind.
    if (m_folded.capacity() > MaxKeptScratch)
        m_folded = std::u16string();
}

} // namespace cmn::filter
