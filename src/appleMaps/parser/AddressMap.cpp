#include "AddressMap.h"

#include <functional>
#include <stdexcept>
#include <utility>

namespace appleMaps::details {
namespace {

std::size_t Hash(std::string_view identifier)
{
    return std::hash<std::string_view>()(identifier);
}

} // namespace

void AddressMap::Add(std::string_view identifier, cmn::Address address)
{
    const std::size_t slot = FindSlot(identifier);
    if (m_slots[slot] != None) {
        m_identifiers[m_slots[slot]].addresses.push_back(std::move(address));
        return;
    }
    if (m_identifiers.size() >= None - 1 || m_keys.size() + identifier.size() > UINT32_MAX)
        throw std::length_error("Too many addresses");
    m_slots[slot] = static_cast<Index>(m_identifiers.size());
    Identifier added;
    added.addresses.push_back(std::move(address));
    added.keyOffset = static_cast<std::uint32_t>(m_keys.size());
    added.keyLength = static_cast<std::uint32_t>(identifier.size());
    m_identifiers.push_back(std::move(added));
    m_keys.append(identifier);
    // At most half full, so that probes stay short.
    if (m_identifiers.size() * 2 > m_slots.size())
        Rehash(m_slots.size() * 2);
}

AddressMap::Index AddressMap::Find(std::string_view identifier) const
{
    return m_slots[FindSlot(identifier)];
}

std::vector<cmn::Address> AddressMap::Hand(Index identifier)
{
    Identifier& entry = m_identifiers[identifier];
    if (entry.handed)
        return std::vector<cmn::Address>(entry.handed, entry.handed + entry.handedCount);
    std::vector<cmn::Address> addresses = std::move(entry.addresses);
    // Moving the vector on keeps its buffer where it is.
    entry.handed = addresses.data();
    entry.handedCount = static_cast<std::uint32_t>(addresses.size());
    return addresses;
}

bool AddressMap::MarkTaken(Index identifier)
{
    return !std::exchange(m_identifiers[identifier].taken, true);
}

void AddressMap::ShrinkToFit()
{
    for (Identifier& identifier : m_identifiers)
        identifier.addresses.shrink_to_fit();
    m_identifiers.shrink_to_fit();
    m_keys.shrink_to_fit();
}

std::string_view AddressMap::Key(const Identifier& identifier) const
{
    return std::string_view(m_keys).substr(identifier.keyOffset, identifier.keyLength);
}

std::size_t AddressMap::FindSlot(std::string_view identifier) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = Hash(identifier) & mask;
    while (m_slots[slot] != None && Key(m_identifiers[m_slots[slot]]) != identifier)
        slot = (slot + 1) & mask;
    return slot;
}

void AddressMap::Rehash(std::size_t slotCount)
{
    m_slots.assign(slotCount, None);
    const std::size_t mask = slotCount - 1;
    for (Index index = 0; index < m_identifiers.size(); ++index) {
        std::size_t slot = Hash(Key(m_identifiers[index])) & mask;
        while (m_slots[slot] != None)
            slot = (slot + 1) & mask;
        m_slots[slot] = index;
    }
}

} // namespace appleMaps::details
