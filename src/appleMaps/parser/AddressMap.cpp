#include "AddressMap.h"

#include <functional>
#include <stdexcept>
#include <utility>

namespace appleMaps::details {

void AddressMap::Add(std::string_view identifier, cmn::Address address)
{
    if (m_addresses.size() >= None - 1)
        throw std::length_error("Too many addresses");
    const std::uint64_t hash = std::hash<std::string_view>()(identifier);
    const std::size_t slot = FindSlot(identifier, hash);
    const auto added = static_cast<std::uint32_t>(m_addresses.size());
    m_addresses.push_back(std::move(address));
    m_next.push_back(None);
    if (m_slots[slot] != None) {
        Identifier& known = m_identifiers[m_slots[slot]];
        if (known.first == None)
            known.first = added;
        else
            m_next[known.last] = added;
        known.last = added;
        ++known.addressCount;
        return;
    }
    m_slots[slot] = static_cast<Index>(m_identifiers.size());
    m_identifiers.push_back({hash, m_keys.size(), static_cast<std::uint32_t>(identifier.size()), 1, added, added});
    m_keys.append(identifier);
    // At most half full, so that probes stay short.
    if (m_identifiers.size() * 2 > m_slots.size())
        Rehash(m_slots.size() * 2);
}

AddressMap::Index AddressMap::Find(std::string_view identifier) const
{
    return m_slots[FindSlot(identifier, std::hash<std::string_view>()(identifier))];
}

std::vector<cmn::Address> AddressMap::Copy(Index identifier) const
{
    std::vector<cmn::Address> addresses;
    addresses.reserve(m_identifiers[identifier].addressCount);
    for (std::uint32_t at = m_identifiers[identifier].first; at != None; at = m_next[at])
        addresses.push_back(m_addresses[at]);
    return addresses;
}

std::vector<cmn::Address> AddressMap::Move(Index identifier)
{
    Identifier& entry = m_identifiers[identifier];
    std::vector<cmn::Address> addresses;
    addresses.reserve(entry.first == None ? 0 : entry.addressCount);
    for (std::uint32_t at = entry.first; at != None; at = m_next[at])
        addresses.push_back(std::move(m_addresses[at]));
    entry.first = None;
    return addresses;
}

void AddressMap::ShrinkToFit()
{
    m_addresses.shrink_to_fit();
    m_next.shrink_to_fit();
    m_identifiers.shrink_to_fit();
    m_keys.shrink_to_fit();
}

std::size_t AddressMap::FindSlot(std::string_view identifier, std::uint64_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    for (; m_slots[slot] != None; slot = (slot + 1) & mask) {
        const Identifier& known = m_identifiers[m_slots[slot]];
        if (known.hash == hash && std::string_view(m_keys).substr(known.keyOffset, known.keyLength) == identifier)
            break;
    }
    return slot;
}

void AddressMap::Rehash(std::size_t slotCount)
{
    m_slots.assign(slotCount, None);
    const std::size_t mask = slotCount - 1;
    for (Index index = 0; index < m_identifiers.size(); ++index) {
        std::size_t slot = m_identifiers[index].hash & mask;
        while (m_slots[slot] != None)
            slot = (slot + 1) & mask;
        m_slots[slot] = index;
    }
}

} // namespace appleMaps::details
