#pragma once

#include "AddressMap.h"

#include <string_view>
#include <vector>

namespace appleMaps::details {

// Where one fetch takes the addresses of its records from. The first record with an identifier
// gets that identifier's addresses, a later one with the same identifier none. The records must
// outlive the map (AddressMap::Hand).
class AddressSource final {
public:
    // Takes them for good: a later fetch taking from the same map finds them gone.
    static AddressSource TakingFrom(AddressMap& addresses);
    // Leaves them to later fetches, as a fetch over its own copy of the map would.
    static AddressSource CopyingFrom(AddressMap& addresses);

    std::vector<cmn::Address> Take(std::string_view identifier);

private:
    AddressSource(AddressMap& addresses, bool copying);

    AddressMap* m_addresses;
    std::vector<bool> m_copied; // by identifier index; empty when taking
    bool m_copying;
};

} // namespace appleMaps::details
