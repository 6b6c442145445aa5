#pragma once

#include <QString>

#include <cstdint>

namespace cmn {

// A postal address as stored with a record.
struct Address {
    // Values of resolutionState.
    static constexpr std::int32_t Resolved = 0;
    static constexpr std::int32_t NotResolvedYet = -1;
    static constexpr std::int32_t NotAvailable = -2;

    QString country;
    QString countryCode;
    QString locality;
    QString postCode;
    QString thoroughfare;
    QString subThoroughfare;
    QString administrativeArea;
    QString administrativeAreaCode;
    std::int32_t resolutionState = NotResolvedYet;
};

} // namespace cmn
