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
{
}

std::vector<cmn::Address> AddressSource::Take(std::string_view identifier)
{
    m_key.assign(identifier.data(), identifier.size());
    std::vector<cmn::Address> taken;
    if (m_takingFrom) {
        const auto found = m_takingFrom->find(m_key);
        if (found != m_takingFrom->end())
            taken.swap(found->second);
        return taken;
    }
    const auto found = m_copyingFrom->find(m_key);
    if (found != m_copyingFrom->end() && m_copied.insert(&found->second).second)
        taken = found->second;
    return taken;
}

} // namespace appleMaps::details
