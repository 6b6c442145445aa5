#include "AddressSource.h"

namespace appleMaps::details {

AddressSource AddressSource::TakingFrom(AddressMap& addresses)
{
    return AddressSource(addresses, false);
}

AddressSource AddressSource::CopyingFrom(AddressMap& addresses)
{
    return AddressSource(addresses, true);
}

AddressSource::AddressSource(AddressMap& addresses, bool copying)
    : m_addresses(&addresses)
    , m_copied(copying ? addresses.Count() : 0)
    , m_copying(copying)
{
}

std::vector<cmn::Address> AddressSource::Take(std::string_view identifier)
{
    const AddressMap::Index found = m_addresses->Find(identifier);
    if (found == AddressMap::None)
        return {};
    if (m_copying) {
        if (m_copied[found])
            return {};
        m_copied[found] = true;
    } else if (!m_addresses->MarkTaken(found)) {
        return {};
    }
    return m_addresses->Hand(found);
}

} // namespace appleMaps::details
