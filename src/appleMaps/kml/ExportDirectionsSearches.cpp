#include "ExportDirectionsSearches.h"

#include "KmlCoordinates.h"
#include "KmlFile.h"
#include "KmlPlacemarkParts.h"

#include "CryptLog/log/Log.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "cmn/kml/KmlPointExportGuard.h"
#include "cmn/kml/XmlSafeText.h"

#include <QXmlStreamWriter>

namespace appleMaps::details {

void ExportDirectionsSearches(const std::vector<const AppleMapsDirectionSearchItem*>& records,
                              const boost::filesystem::path& path, const QString& sourceName)
{
    KmlFile file(path, CMN_SOURCE_LOCATION);
    QXmlStreamWriter writer(&file.Device());
    {
        // The document name stays English here, whatever the user's language.
        const cmn::KmlPointExportGuard document(writer, QStringLiteral("Directions searches"), sourceName);
        const CoordinateFormatter format = [](const location::Coordinates& point) {
            return FormatLineCoordinates(point, true);
        };
        for (const AppleMapsDirectionSearchItem* search : records) {
            if (!search) {
                LOG_DEBUG << "null pointer: directions searches";
                continue;
            }
            if (!location::IsPlaceable(search->startPoint) || !location::IsPlaceable(search->endPoint))
                continue;
            writer.writeStartElement(QStringLiteral("Placemark"));
            if (!search->name.isEmpty())
                writer.writeTextElement(QStringLiteral("name"), cmn::kml::XmlSafeText(search->name));
            WriteLineString(search->startPoint, search->endPoint, format, writer);
            writer.writeEndElement();
        }
    }
    file.Commit(writer);
}

} // namespace appleMaps::details
