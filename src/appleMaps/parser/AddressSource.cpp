#include "AddressSource.h"

namespace appleMaps::details {

AddressSource AddressSource::TakingFrom(AddressMap& addresses)
{
    return AddressSource(&addresses, nullptr);
}

AddressSource AddressSource::CopyingFrom(const AddressMap& addresses)
{
    return AddressSource(nullptr, &addresses);
}

AddressSource::AddressSource(AddressMap* takingFrom, const AddressMap* copyingFrom)
    : m_takingFrom(takingFrom)
    , m_copyingFrom(copyingFrom)
    , m_copied(copyingFrom ? copyingFrom->Count() : 0)
{
}

std::vector<cmn::Address> AddressSource::Take(std::string_view identifier)
{
    if (m_takingFrom) {
        const AddressMap::Index found = m_takingFrom->Find(identifier);
        return found == AddressMap::None ? std::vector<cmn::Address>() : m_takingFrom->Move(found);
    }
    const AddressMap::Index found = m_copyingFrom->Find(identifier);
    if (found == AddressMap::None || m_copied[found])
        return {};
    m_copied[found] = true;
    return m_copyingFrom->Copy(found);
}

} // namespace appleMaps::details
