#include "KmlCoordinates.h"

#include "cmn/text/LocationText.h"

namespace appleMaps::details {
namespace {

QString FormatCoordinates(const location::Coordinates& point, bool withAltitude, QChar separator)
{
    using location::NumberText;
    if (!withAltitude)
        return NumberText(point.longitude) + QLatin1Char(' ') + NumberText(point.latitude);
    return NumberText(point.longitude) + separator + NumberText(point.latitude) + separator
        + NumberText(point.altitude);
}

} // namespace

QString FormatTrackCoordinates(const location::Coordinates& point, bool withAltitude)
{
    return FormatCoordinates(point, withAltitude, QLatin1Char(' '));
}

QString FormatLineCoordinates(const location::Coordinates& point, bool withAltitude)
{
    return FormatCoordinates(point, withAltitude, QLatin1Char(','));
}

} // namespace appleMaps::details
