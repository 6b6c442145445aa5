#pragma once

#include "AddressMap.h"

#include <string_view>
#include <vector>

namespace appleMaps::details {

// Where one fetch takes the addresses of its records from. The first record with an identifier
// gets that identifier's addresses, a later one with the same identifier none.
class AddressSource final {
public:
    // Moves the addresses out of the map: a later fetch over the same map finds them gone.
    static AddressSource TakingFrom(AddressMap& addresses);
    // Copies them and leaves the map as it is, as a fetch over its own copy of the map would.
    static AddressSource CopyingFrom(const AddressMap& addresses);

    std::vector<cmn::Address> Take(std::string_view identifier);

private:
    AddressSource(AddressMap* taken, const AddressMap* copied);

    AddressMap* m_takingFrom;
    const AddressMap* m_copyingFrom;
    std::vector<bool> m_copied; // by identifier index
};

} // namespace appleMaps::details
