#include "KmlPlacemarkParts.h"

#include "appleMaps/records/AppleMapsRecords.h"
#include "cmn/kml/XmlSafeText.h"
#include "cmn/text/DateTimeText.h"

#include <QDateTime>
#include <QXmlStreamWriter>

namespace appleMaps::details {

void WriteBookmarkName(const AppleMapsPlaceBookmarkItem* bookmark, QXmlStreamWriter& writer)
{
    writer.writeTextElement(QStringLiteral("name"), cmn::kml::XmlSafeText(bookmark->title));
}

void WriteTimeSpan(const QDateTime& time, QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("TimeSpan"));
    writer.writeTextElement(QStringLiteral("when"), pluginGui::DateTimeText(time));
    writer.writeEndElement();
}

void WriteTrack(const std::vector<location::Coordinates>& points, const QDateTime& time,
                const CoordinateFormatter& format, QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("gx:Track"));
    writer.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("clampToGround"));
    // Readers of the extension expect one "when" per "gx:coord"; some crash without it.
    const QString when = time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
    for (std::size_t index = 0; index < points.size(); ++index)
        writer.writeTextElement(QStringLiteral("when"), when);
    for (const location::Coordinates& point : points)
        writer.writeTextElement(QStringLiteral("gx:coord"), format(point));
    writer.writeEndElement();
}

void WriteBookmarkTrack(const AppleMapsPlaceBookmarkItem* bookmark, const CoordinateFormatter& format,
                        QXmlStreamWriter& writer)
{
    const location::Coordinates& point =
        location::IsPlaceable(bookmark->placePoint) ? bookmark->placePoint : bookmark->droppedPin;
    WriteTrack({point}, bookmark->timestamp, format, writer);
}

void WritePlaceDisplayTrack(const AppleMapsPlaceDisplayItem* placeDisplay, const CoordinateFormatter& format,
                            QXmlStreamWriter& writer)
{
    WriteTrack({placeDisplay->placePoint}, placeDisplay->timestamp, format, writer);
}

void WriteLineString(const location::Coordinates& start, const location::Coordinates& end,
                     const CoordinateFormatter& format, QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("LineString"));
    writer.writeTextElement(QStringLiteral("tessellate"), QStringLiteral("1"));
    writer.writeTextElement(QStringLiteral("coordinates"), format(start) + QLatin1Char(' ') + format(end));
    writer.writeEndElement();
}

} // namespace appleMaps::details
