#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace appleMaps::details {

// Makes QStrings from UTF-8 texts so that a text seen recently gives the string made for it
// then: the records share the data of their repeated texts (countries, place names, links)
// instead of each holding a copy. Bounded: a text has one of 2^slotBits slots, chosen by its
// hash, and a new text takes the slot over.
class TextCache final {
public:
    explicit TextCache(unsigned slotBits = 16);

    // The null string for a view without data (the readers' default for a cell without text);
    // the empty, non-null string for an empty text.
    QString Get(std::string_view utf8);

private:
    struct Slot {
        std::size_t hash = 0;
        std::string utf8;
        QString text;
    };

    std::vector<Slot> m_slots;
};

} // namespace appleMaps::details
