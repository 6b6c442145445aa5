#pragma once

#include "KmlCoordinates.h"
#include "KmlFile.h"
#include "KmlPlacemarkParts.h"

#include "CryptLog/log/Log.h"
#include "cmn/kml/KmlPointExportGuard.h"
#include "cmn/kml/XmlSafeText.h"
#include "cmn/text/AddressText.h"

#include <QXmlStreamWriter>

#include <boost/filesystem/path.hpp>

#include <functional>
#include <vector>

namespace appleMaps::details {

template <typename Record>
using KmlNameWriter = std::function<void(const Record*, QXmlStreamWriter&)>;
template <typename Record>
using KmlTrackWriter = std::function<void(const Record*, const CoordinateFormatter&, QXmlStreamWriter&)>;
template <typename Record>
using KmlSkipTest = std::function<bool(const Record*)>;

// Writes point records (favourites, explored places) as one gx:Track placemark each. Null
// entries and records that `skip` rejects are left out; without `writeName` no name is written.
// Throws cmn::PlugInCommonException when the file cannot be opened or written; a file that was
// not written whole is removed.
template <typename Record>
void ExportDataToKml(const std::vector<const Record*>& records, const boost::filesystem::path& path,
                     const QString& sourceName, const QString& category, const KmlNameWriter<Record>* writeName,
                     const KmlTrackWriter<Record>& writeTrack, const KmlSkipTest<Record>& skip)
{
    KmlFile file(path, CMN_SOURCE_LOCATION);
    QXmlStreamWriter writer(&file.Device());
    {
        const cmn::KmlPointExportGuard document(writer, category, sourceName);
        const CoordinateFormatter format = [](const location::Coordinates& point) {
            return FormatTrackCoordinates(point, true);
        };
        for (const Record* record : records) {
            if (!record) {
                LOG_DEBUG << "null pointer: bookmarks";
                continue;
            }
            if (skip(record))
                continue;
            writer.writeStartElement(QStringLiteral("Placemark"));
            if (writeName)
                (*writeName)(record, writer);
            if (location::IsPlaceable(record->placePoint)) {
                writer.writeTextElement(QStringLiteral("address"),
                                        cmn::kml::XmlSafeText(cmn::FirstAddressText(record->addresses)));
                WriteTimeSpan(record->timestamp, writer);
            }
            writeTrack(record, format, writer);
            writer.writeEndElement();
        }
    }
    file.Commit(writer);
}

} // namespace appleMaps::details
