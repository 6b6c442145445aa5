#pragma once

#include <cstddef>
#include <string>
#include <vector>

class QString;

namespace cmn::filter {

// The searchable texts of many records, case-folded once and packed into one buffer, so that a
// search over them is a scan of memory rather than a walk over the records. A text whose folded
// units all fit into a byte is kept as bytes (Latin-1), any other as UTF-16.
class FoldedTexts {
public:
    // Texts added from now on belong to the next record.
    void StartRecord();
    void AddText(const QString& text);
    std::size_t RecordCount() const { return m_recordStarts.size(); }
    // Memory is reserved for records still to come.
    void ReserveRecords(std::size_t count)
    {
        m_recordStarts.reserve(count);
        m_expectedRecords = count;
    }

    // Calls visit(units, length) for each text of the record, in the order added, with units a
    // const unsigned char* (Latin-1) or a const char16_t* (UTF-16), until visit answers true.
    template <typename Visit>
    void ForEachText(std::size_t record, Visit&& visit) const
    {
        const char16_t* at = m_units.data() + m_recordStarts[record];
        const char16_t* const end =
            m_units.data() + (record + 1 < m_recordStarts.size() ? m_recordStarts[record + 1] : m_units.size());
        while (at < end) {
            const std::size_t header = *at++;
            std::size_t length = header >> HeaderLengthShift;
            if (header & LongLengthFlag) {
                length = std::size_t(at[0]) | std::size_t(at[1]) << 16;
                at += 2;
            }
            if (header & WideFlag) {
                if (visit(at, length))
                    return;
                at += length;
            } else {
                if (visit(reinterpret_cast<const unsigned char*>(at), length))
                    return;
                at += (length + 1) / 2;
            }
        }
    }

private:
    // False, adding nothing, for a text with a unit beyond ASCII.
    bool AddAsciiText(const QString& text);
    // Returns where the text's units go.
    std::size_t AddHeader(std::size_t length, bool wide);

    // Each text starts with a header unit: its flags and, when short, its length in units; a long
    // length follows in two more units, low half first.
    static constexpr std::size_t WideFlag = 1;
    static constexpr std::size_t LongLengthFlag = 2;
    static constexpr std::size_t HeaderLengthShift = 2;
    static constexpr std::size_t MaxShortLength = 0xFFFF >> HeaderLengthShift;
    static constexpr std::size_t MaxKeptScratch = 1 << 16;
    static constexpr std::size_t SampleRecords = 1024;

    std::vector<char16_t> m_units;
    std::vector<std::size_t> m_recordStarts;
    std::size_t m_expectedRecords = 0;
    std::u16string m_folded; // scratch, kept to spare an allocation per text
};

} // namespace cmn::filter
