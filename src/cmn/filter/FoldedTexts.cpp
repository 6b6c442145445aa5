#include "FoldedTexts.h"

#include "CaseFolding.h"

#include <QString>

#include <algorithm>

namespace cmn::filter {

void FoldedTexts::StartRecord()
{
    // Once a sample of records is in, room for all of them is reserved from the sample's size:
    // growing a buffer of a hundred megabytes by doubling copies it over and over and touches
    // twice its pages. Room reserved past the end is never touched, so it takes no memory.
    if (m_recordStarts.size() == SampleRecords && m_expectedRecords > SampleRecords)
        m_units.reserve(m_units.size() / SampleRecords * m_expectedRecords * 3 / 2);
    m_recordStarts.push_back(m_units.size());
}

void FoldedTexts::AddText(const QString& text)
{
    if (AddAsciiText(text))
        return;
    m_folded.clear();
    AppendCaseFolded(text, m_folded);
    const std::size_t length = m_folded.size();
    const bool wide = std::any_of(m_folded.begin(), m_folded.end(), [](char16_t unit) { return unit > 0xFF; });

    const std::size_t start = AddHeader(length, wide);
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

// Most texts (numbers, links, points, many names) are ASCII: folded straight into the buffer,
// without the scratch copy.
bool FoldedTexts::AddAsciiText(const QString& text)
{
    const QChar* const units = text.constData();
    const std::size_t length = static_cast<std::size_t>(text.size());
    const std::size_t textStart = m_units.size();
    const std::size_t start = AddHeader(length, false);
    m_units.resize(start + (length + 1) / 2);
    auto* const bytes = reinterpret_cast<unsigned char*>(m_units.data() + start);
    for (std::size_t at = 0; at < length; ++at) {
        const char16_t unit = units[at].unicode();
        if (unit >= 0x80) {
            m_units.resize(textStart);
            return false;
        }
        bytes[at] = static_cast<unsigned char>(unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit);
    }
    return true;
}

std::size_t FoldedTexts::AddHeader(std::size_t length, bool wide)
{
    const std::size_t flags = wide ? WideFlag : 0;
    if (length <= MaxShortLength) {
        m_units.push_back(char16_t(length << HeaderLengthShift | flags));
    } else {
        m_units.push_back(char16_t(LongLengthFlag | flags));
        m_units.push_back(char16_t(length & 0xFFFF));
        m_units.push_back(char16_t(length >> 16));
    }
    return m_units.size();
}

} // namespace cmn::filter
