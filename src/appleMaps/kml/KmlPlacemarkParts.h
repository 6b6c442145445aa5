#pragma once

#include "KmlCoordinates.h"

#include "location/Coordinates.h"

#include <vector>

class QDateTime;
class QXmlStreamWriter;

namespace appleMaps {
struct AppleMapsPlaceBookmarkItem;
struct AppleMapsPlaceDisplayItem;
} // namespace appleMaps

namespace appleMaps::details {

// The elements inside one Placemark.

void WriteBookmarkName(const AppleMapsPlaceBookmarkItem* bookmark, QXmlStreamWriter& writer);
void WriteTimeSpan(const QDateTime& time, QXmlStreamWriter& writer);

// gx:Track clamped to the ground: one "when" per point, each `time` in UTC (empty when invalid),
// then one gx:coord per point.
void WriteTrack(const std::vector<location::Coordinates>& points, const QDateTime& time,
                const CoordinateFormatter& format, QXmlStreamWriter& writer);
// The place if it can be placed on a map, otherwise the dropped pin.
void WriteBookmarkTrack(const AppleMapsPlaceBookmarkItem* bookmark, const CoordinateFormatter& format,
                        QXmlStreamWriter& writer);
void WritePlaceDisplayTrack(const AppleMapsPlaceDisplayItem* placeDisplay, const CoordinateFormatter& format,
                            QXmlStreamWriter& writer);

// A tessellated LineString from `start` to `end`.
void WriteLineString(const location::Coordinates& start, const location::Coordinates& end,
                     const CoordinateFormatter& format, QXmlStreamWriter& writer);

} // namespace appleMaps::details
