#include "FoldedTexts.h"

#include "CaseFolding.h"

#include <QString>

#include <algorithm>
#include <future>
#include <thread>

namespace cmn::filter {

void FoldedTextRun::StartRecord()
{
    m_recordStarts.push_back(m_units.size());
}

void FoldedTextRun::AddText(const QString& text)
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

void FoldedTextRun::Finish()
{
    m_units.shrink_to_fit();
    m_folded = std::u16string();
}

FoldedTexts::FoldedTexts(std::size_t recordCount, const RecordTexts& recordTexts)
    : m_recordCount(recordCount)
{
    const std::size_t threads = std::max(1u, std::thread::hardware_concurrency());
    m_runLength = std::max<std::size_t>(1, (recordCount + threads - 1) / threads);
    m_runs.resize((recordCount + m_runLength - 1) / m_runLength);
    const auto foldRun = [this, &recordTexts](std::size_t index) {
        FoldedTextRun& run = m_runs[index];
        const std::size_t first = index * m_runLength;
        const std::size_t end = std::min(m_recordCount, first + m_runLength);
        run.ReserveRecords(end - first);
        for (std::size_t record = first; record < end; ++record) {
            run.StartRecord();
            recordTexts(record, run);
        }
        run.Finish();
    };
    // Destroyed, a future waits for its run: no run outlives the texts it reads, even on a throw.
    std::vector<std::future<void>> otherRuns;
    for (std::size_t index = 1; index < m_runs.size(); ++index)
        otherRuns.push_back(std::async(std::launch::async, foldRun, index));
    if (!m_runs.empty())
        foldRun(0);
    for (std::future<void>& run : otherRuns)
        run.get();
}

} // namespace cmn::filter
