#pragma once

#include "cmn/Address.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace appleMaps::details {

// The addresses of each record identifier, in row order, looked up by identifier. Flat: the
// addresses in one vector chained per identifier, the identifiers' bytes in one string, an open
// hash table of indices; a node-based map of a million identifiers cost more than the records.
class AddressMap final {
public:
    // An identifier's place in the map; Count() identifiers are numbered from 0.
    using Index = std::uint32_t;
    static constexpr Index None = UINT32_MAX;

    void Add(std::string_view identifier, cmn::Address address);

    std::size_t Count() const { return m_identifiers.size(); }
    Index Find(std::string_view identifier) const;
    // The identifier's addresses, copied or moved out; moved-out ones are gone for later callers.
    std::vector<cmn::Address> Copy(Index identifier) const;
    std::vector<cmn::Address> Move(Index identifier);
    // Gives back the room that growing left, once every address is in.
    void ShrinkToFit();

private:
    struct Identifier {
        std::uint64_t hash;
        std::size_t keyOffset;
        std::uint32_t keyLength;
        std::uint32_t addressCount;
        std::uint32_t first; // index into m_addresses, None when there is none
        std::uint32_t last;
    };

    std::size_t FindSlot(std::string_view identifier, std::uint64_t hash) const;
    void Rehash(std::size_t slotCount);

    std::vector<cmn::Address> m_addresses;
    std::vector<std::uint32_t> m_next; // the next address of the same identifier, or None
    std::vector<Identifier> m_identifiers;
    std::string m_keys;
    std::vector<Index> m_slots = std::vector<Index>(1024, None);
};

} // namespace appleMaps::details
