#pragma once

#include "location/Coordinates.h"

#include <vector>

class QString;
class QXmlStreamWriter;

namespace cmn {

// A KML document of polygon placemarks in one folder named "<category> history for <source>":
// opened on construction, closed on destruction. Writer failures in either are logged, never
// thrown.
class KmlPolygonExport final {
public:
    KmlPolygonExport(QXmlStreamWriter& writer, const QString& category, const QString& sourceName);
    ~KmlPolygonExport();

    KmlPolygonExport(const KmlPolygonExport&) = delete;
    KmlPolygonExport& operator=(const KmlPolygonExport&) = delete;

    // A placemark whose outer boundary is `ring` (longitude and latitude; altitudes are left out).
    void AddPolygon(const std::vector<location::Coordinates>& ring, const QString& name);

private:
    QXmlStreamWriter& m_writer;
};

} // namespace cmn
