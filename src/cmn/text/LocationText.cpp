#include "LocationText.h"

#include <QCoreApplication>

namespace location {

QString NumberText(double value)
{
    return QString::number(value, 'f', value == 0.0 ? 0 : 7);
}

QString PointText(const Coordinates& point, bool withAltitude)
{
    QString text = NumberText(point.latitude) + QLatin1Char(' ') + NumberText(point.longitude);
    if (withAltitude)
        text += QLatin1Char(' ') + NumberText(point.altitude);
    return text;
}

QString RegionText(const MapRegion& region)
{
    return PointText(region.southWest) + QLatin1Char(' ') + PointText(region.northEast);
}

QString RouteText()
{
    return QCoreApplication::translate("cmn", "show route");
}

} // namespace location
