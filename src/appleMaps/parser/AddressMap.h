#pragma once

#include "cmn/Address.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace appleMaps::details {

// The addresses of each record identifier, in row order, looked up by identifier. Flat: the
// identifiers' bytes in one string, an open hash table of indices; a node-based map of a million
// identifiers cost more than the records. Each identifier's addresses are held in the vector a
// record will own, so that handing them out first moves them instead of copying.
class AddressMap final {
public:
    // An identifier's place in the map; Count() identifiers are numbered from 0.
    using Index = std::uint32_t;
    static constexpr Index None = UINT32_MAX;

    void Add(std::string_view identifier, cmn::Address address);

    std::size_t Count() const { return m_identifiers.size(); }
    Index Find(std::string_view identifier) const;
    // The identifier's addresses: moved out the first time, later copied from where they went.
    // The caller keeps what it gets first, unchanged, in a record that outlives the map.
    std::vector<cmn::Address> Hand(Index identifier);
    // True the first time only, for the fetches that take an identifier's addresses for good.
    bool MarkTaken(Index identifier);
    // Gives back the room that growing left, once every address is in.
    void ShrinkToFit();

private:
    struct Identifier {
        std::vector<cmn::Address> addresses; // until handed out
        const cmn::Address* handed = nullptr; // where they went
        std::uint32_t handedCount = 0;
        std::uint32_t keyOffset;
        std::uint32_t keyLength;
        bool taken = false;
    };

    std::string_view Key(const Identifier& identifier) const;
    std::size_t FindSlot(std::string_view identifier) const;
    void Rehash(std::size_t slotCount);

    std::vector<Identifier> m_identifiers;
    std::string m_keys;
    std::vector<Index> m_slots = std::vector<Index>(1024, None);
};

} // namespace appleMaps::details
