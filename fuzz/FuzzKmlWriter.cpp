#include "appleMaps/kml/ExportDataToKml.h"
#include "appleMaps/kml/ExportDirectionsSearches.h"
#include "appleMaps/kml/ExportQuerySearch.h"
#include "appleMaps/kml/KmlPlacemarkParts.h"
#include "appleMaps/kml/KmlSkipTests.h"
#include "appleMaps/records/AppleMapsCategory.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "appleMaps/records/CategoryName.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

using namespace appleMaps;

// Decodes records field by field; once the input runs out every field takes its zero value.
class RecordDecoder final {
public:
    RecordDecoder(const std::uint8_t* data, std::size_t size)
        : m_input(data, size)
    {
    }

    // Any UTF-16 code units: lone surrogates, control characters and non-characters included.
    QString Text()
    {
        const std::size_t length = m_input.ConsumeIntegralInRange<std::size_t>(0, 12);
        QString text;
        for (std::size_t index = 0; index < length; ++index)
            text.append(QChar(m_input.ConsumeIntegral<std::uint16_t>()));
        return text;
    }

    double Number()
    {
        static constexpr double Special[] = {
            location::Coordinates::NoLongitude, location::Coordinates::NoLatitude, 0.0, -0.0,
            std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
            -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::max(),
            std::numeric_limits<double>::denorm_min(), -180.0, 90.0,
        };
        const std::size_t choice = m_input.ConsumeIntegralInRange<std::size_t>(0, std::size(Special));
        return choice < std::size(Special) ? Special[choice] : m_input.ConsumeFloatingPoint<double>();
    }

    location::Coordinates Point()
    {
        if (m_input.ConsumeBool())
            return {};
        location::Coordinates point;
        point.longitude = Number();
        point.latitude = Number();
        point.altitude = m_input.ConsumeBool() ? Number() : 0.0;
        return point;
    }

    // Invalid, out of Qt's range, or any instant with any offset from UTC.
    QDateTime Time()
    {
        switch (m_input.ConsumeIntegralInRange(0, 3)) {
        case 0: return {};
        case 1: return QDateTime::fromMSecsSinceEpoch(m_input.ConsumeIntegral<qint64>(), Qt::UTC);
        case 2:
            return QDateTime::fromMSecsSinceEpoch(m_input.ConsumeIntegral<qint64>(), Qt::OffsetFromUTC,
                                                  m_input.ConsumeIntegral<int>());
        default:
            return QDateTime::fromSecsSinceEpoch(m_input.ConsumeIntegralInRange<qint64>(-(1LL << 40), 1LL << 40),
                                                 Qt::UTC);
        }
    }

    std::vector<cmn::Address> Addresses()
    {
        std::vector<cmn::Address> addresses(m_input.ConsumeIntegralInRange<std::size_t>(0, 2));
        for (cmn::Address& address : addresses) {
            for (QString* field : {&address.country, &address.countryCode, &address.locality, &address.postCode,
                                   &address.thoroughfare, &address.subThoroughfare, &address.administrativeArea,
                                   &address.administrativeAreaCode})
                *field = Text();
            address.resolutionState = m_input.ConsumeIntegral<std::int32_t>();
        }
        return addresses;
    }

    std::size_t Count() { return m_input.ConsumeIntegralInRange<std::size_t>(0, 3); }
    // A null entry now and then, as the callers may pass.
    bool NullEntry() { return m_input.ConsumeIntegralInRange(0, 7) == 0; }

    AppleMapsPlaceBookmarkItem Bookmark()
    {
        AppleMapsPlaceBookmarkItem bookmark;
        bookmark.timestamp = Time();
        bookmark.title = Text();
        bookmark.placePoint = Point();
        bookmark.addresses = Addresses();
        bookmark.droppedPin = Point();
        bookmark.route.resize(Count());
        for (location::Coordinates& point : bookmark.route)
            point = Point();
        return bookmark;
    }

    AppleMapsPlaceDisplayItem PlaceDisplay()
    {
        AppleMapsPlaceDisplayItem place;
        place.timestamp = Time();
        place.placePoint = Point();
        place.addresses = Addresses();
        return place;
    }

    AppleMapsDirectionSearchItem DirectionSearch()
    {
        AppleMapsDirectionSearchItem search;
        search.timestamp = Time();
        search.startPoint = Point();
        search.endPoint = Point();
        search.name = Text();
        search.addresses = Addresses();
        return search;
    }

    AppleMapsHistoryQuerySearchItem QuerySearch()
    {
        AppleMapsHistoryQuerySearchItem search;
        search.timestamp = Time();
        search.query = Text();
        search.locationDisplayString = Text();
        search.mapRegion = {Point(), Point()};
        return search;
    }

private:
    FuzzedDataProvider m_input;
};

// The records, and the pointer lists the writers take, nulls included.
template <typename Record>
struct Decoded {
    std::vector<Record> records;
    std::vector<const Record*> pointers;

    template <typename DecodeOne>
    Decoded(RecordDecoder& decoder, DecodeOne decodeOne)
    {
        const std::size_t count = decoder.Count();
        for (std::size_t index = 0; index < count; ++index)
            records.push_back(decodeOne());
        for (const Record& record : records) {
            if (decoder.NullEntry())
                pointers.push_back(nullptr);
            pointers.push_back(&record);
        }
    }
};

void RequireWellFormedXml(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    QXmlStreamReader reader(&file);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError()) {
        std::fprintf(stderr, "%s: line %lld: %s\n", qPrintable(path), reader.lineNumber(),
                     qPrintable(reader.errorString()));
        std::abort();
    }
}

const QTemporaryDir& OutputFolder()
{
    static const QTemporaryDir folder;
    return folder;
}

} // namespace

// Every writer over decoded records, each into its own file, which must then read back as
// well-formed XML whatever the texts, coordinates and times held.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RecordDecoder decoder(data, size);
    const QString sourceName = decoder.Text();
    const Decoded<AppleMapsPlaceBookmarkItem> bookmarks(decoder, [&] { return decoder.Bookmark(); });
    const Decoded<AppleMapsPlaceDisplayItem> places(decoder, [&] { return decoder.PlaceDisplay(); });
    const Decoded<AppleMapsDirectionSearchItem> directions(decoder, [&] { return decoder.DirectionSearch(); });
    const Decoded<AppleMapsHistoryQuerySearchItem> searches(decoder, [&] { return decoder.QuerySearch(); });

    const QString bookmarksPath = OutputFolder().filePath(QStringLiteral("favorites.kml"));
    const details::KmlNameWriter<AppleMapsPlaceBookmarkItem> writeName = details::WriteBookmarkName;
    details::ExportDataToKml<AppleMapsPlaceBookmarkItem>(
        bookmarks.pointers, bookmarksPath.toStdWString(), sourceName, ui::GetCategoryName(FavoritesCategory),
        &writeName, details::WriteBookmarkTrack, details::IsBookmarkWithoutLocation);
    RequireWellFormedXml(bookmarksPath);

    const QString placesPath = OutputFolder().filePath(QStringLiteral("places.kml"));
    details::ExportDataToKml<AppleMapsPlaceDisplayItem>(
        places.pointers, placesPath.toStdWString(), sourceName, ui::GetCategoryName(ExploredPlacesCategory),
        nullptr, details::WritePlaceDisplayTrack, details::IsPlaceDisplayWithoutLocation);
    RequireWellFormedXml(placesPath);

    const QString directionsPath = OutputFolder().filePath(QStringLiteral("directions.kml"));
    details::ExportDirectionsSearches(directions.pointers, directionsPath.toStdWString(), sourceName);
    RequireWellFormedXml(directionsPath);

    const QString searchesPath = OutputFolder().filePath(QStringLiteral("searches.kml"));
    details::ExportQuerySearch(searches.pointers, searchesPath.toStdWString(), sourceName);
    RequireWellFormedXml(searchesPath);
    return 0;
}
