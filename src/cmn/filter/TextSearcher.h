#pragma once

#include <QtGlobal>

#include <cstddef>
#include <string>
#include <vector>

class QString;

namespace cmn::filter {

class FoldedTexts;

// One search text, ready to be found in FoldedTexts case-insensitively. Occurrences are counted
// as QString::count with Qt::CaseInsensitive counts them, overlapping ones included, but in time
// linear in the length of the texts whatever the search text: a long text searched for a long,
// repetitive search text costs no more than a short one.
class TextSearcher {
public:
    explicit TextSearcher(const QString& searchText);

    bool IsEmpty() const { return m_wide.empty(); }
    // Occurrences in all texts of the record; none for an empty search text.
    std::size_t Count(const FoldedTexts& texts, std::size_t record) const;
    // Whether a text of the record holds the search text; false for an empty search text.
    bool IsFoundIn(const FoldedTexts& texts, std::size_t record) const;

private:
    std::size_t CountInRecord(const FoldedTexts& texts, std::size_t record, bool firstOnly) const;

    std::u16string m_wide;
    // The same units as bytes, when they all fit into one; otherwise empty, and no Latin-1 text
    // can hold the search text.
    std::string m_narrow;
    // borders[i]: the length of the longest proper prefix of the search text's first i + 1 units
    // that is also their suffix; where a partial match goes on after a mismatch.
    std::vector<quint32> m_borders;
};

} // namespace cmn::filter
