#include "AddressText.h"

namespace cmn {

QString OneLineAddressText(const Address& address)
{
    if (address.resolutionState == Address::NotResolvedYet)
        return {};
    const QString* const components[] = {
        &address.countryCode,  &address.country,         &address.administrativeArea, &address.locality,
        &address.thoroughfare, &address.subThoroughfare, &address.postCode,           &address.administrativeAreaCode,
    };
    QString text;
    for (const QString* component : components) {
        if (component->isEmpty())
            continue;
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += *component;
    }
    return text;
}

QString FirstAddressText(const std::vector<Address>& addresses)
{
    return addresses.empty() ? QString() : OneLineAddressText(addresses.front());
}

} // namespace cmn
