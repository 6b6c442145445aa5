#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QString;

namespace cmn::filter {

// The searchable texts of a run of records, case-folded once and packed into one buffer, so that
// a search over them is a scan of memory rather than a walk over the records. A text whose folded
// units all fit into a byte is kept as bytes (Latin-1), any other as UTF-16.
class FoldedTextRun {
public:
    // Texts added from now on belong to the next record.
    void StartRecord();
    void AddText(const QString& text);
    // Memory is reserved for records still to come.
    void ReserveRecords(std::size_t count) { m_recordStarts.reserve(count); }
    // Gives back what adding left over, once every record is in.
    void Finish();

    // Calls visit(units, length) for each text of the record (counted within the run), in the
    // order added, with units a const unsigned char* (Latin-1) or a const char16_t* (UTF-16),
    // until visit answers true.
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
    // Each text starts with a header unit: its flags and, when short, its length in units; a long
    // length follows in two more units, low half first.
    static constexpr std::size_t WideFlag = 1;
    static constexpr std::size_t LongLengthFlag = 2;
    static constexpr std::size_t HeaderLengthShift = 2;
    static constexpr std::size_t MaxShortLength = 0xFFFF >> HeaderLengthShift;
    static constexpr std::size_t MaxKeptScratch = 1 << 16;

    std::vector<char16_t> m_units;
    std::vector<std::size_t> m_recordStarts;
    std::u16string m_folded; // scratch, kept to spare an allocation per text
};

// The searchable texts of many records, folded in as many runs as the machine has cores, each on
// a thread of its own: building and folding the texts of a million records is the one slow step
// of a first search.
class FoldedTexts {
public:
    // Adds the texts of the record to the run, in the order they are searched. Called on several
    // threads at once, for different records.
    using RecordTexts = std::function<void(std::size_t record, FoldedTextRun& run)>;

    FoldedTexts() = default;
    FoldedTexts(std::size_t recordCount, const RecordTexts& recordTexts);

    std::size_t RecordCount() const { return m_recordCount; }

    // As FoldedTextRun::ForEachText, with the record counted over all runs.
    template <typename Visit>
    void ForEachText(std::size_t record, Visit&& visit) const
    {
        m_runs[record / m_runLength].ForEachText(record % m_runLength, std::forward<Visit>(visit));
    }

private:
    std::vector<FoldedTextRun> m_runs;
    std::size_t m_runLength = 1;
    std::size_t m_recordCount = 0;
};

} // namespace cmn::filter
