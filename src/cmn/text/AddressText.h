#pragma once

#include "cmn/Address.h"

#include <QString>

#include <vector>

namespace cmn {

// The filled components in the order country code, country, administrative area, locality,
// thoroughfare, sub-thoroughfare, post code, administrative-area code, joined by blanks; empty
// for an address that was never resolved.
QString OneLineAddressText(const Address& address);

// The one-line text of the first address; empty when there is none.
QString FirstAddressText(const std::vector<Address>& addresses);

} // namespace cmn
