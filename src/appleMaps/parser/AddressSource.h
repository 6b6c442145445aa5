#pragma once

#include "cmn/Address.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace appleMaps::details {

// The addresses of each record identifier, in row order. Only ever looked up by identifier; a
// hash map keeps the lookups of a million records from dominating the parse.
using AddressMap = std::unordered_map<std::string, std::vector<cmn::Address>>;

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
    std::unordered_set<const std::vector<cmn::Address>*> m_copied;
    std::string m_key; // reused, so that a lookup does not allocate
};

} // namespace appleMaps::details
