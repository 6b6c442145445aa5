// KML export of many favourites, timed against a plain QXmlStreamWriter loop that writes the
// same bytes without the writer's per-kind callables (the floor).

#include "appleMaps/kml/ExportDataToKml.h"
#include "appleMaps/kml/KmlPlacemarkParts.h"
#include "appleMaps/kml/KmlSkipTests.h"
#include "appleMaps/records/AppleMapsRecords.h"
#include "cmn/text/AddressText.h"
#include "cmn/text/DateTimeText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>

namespace {

using appleMaps::AppleMapsPlaceBookmarkItem;

std::vector<AppleMapsPlaceBookmarkItem> MakeBookmarks(int count)
{
    std::vector<AppleMapsPlaceBookmarkItem> bookmarks(static_cast<std::size_t>(count));
    const QDateTime start(QDate(2019, 3, 5), QTime(14, 7), Qt::UTC);
    for (int index = 0; index < count; ++index) {
        AppleMapsPlaceBookmarkItem& bookmark = bookmarks[static_cast<std::size_t>(index)];
        bookmark.timestamp = start.addSecs(index * 37);
        bookmark.title = QStringLiteral("Favourite %1").arg(index);
        bookmark.placePoint = {30.0 + index * 1e-5, 50.0 + index * 2e-5, 0.0};
        cmn::Address address;
        address.resolutionState = cmn::Address::Resolved;
        address.countryCode = QStringLiteral("UA");
        address.locality = QStringLiteral("Kyiv");
        address.thoroughfare = QStringLiteral("Khreshchatyk");
        address.subThoroughfare = QString::number(index % 200);
        bookmark.addresses = {address};
    }
    return bookmarks;
}

QString Number(double value)
{
    return QString::number(value, 'f', value == 0.0 ? 0 : 7);
}

// The floor: the same document, written in one loop.
void WritePlainly(const std::vector<AppleMapsPlaceBookmarkItem>& bookmarks, const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&file);
    writer.setCodec("UTF-8");
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement("kml");
    writer.writeAttribute("xmlns", "http://www.opengis.net/kml/2.2");
    writer.writeAttribute("xmlns:gx", "http://www.google.com/kml/ext/2.2");
    writer.writeStartElement("Document");
    writer.writeTextElement("name", "Favorites history for bench");
    writer.writeTextElement("open", "1");
    const QLocale english(QLocale::English);
    for (const AppleMapsPlaceBookmarkItem& bookmark : bookmarks) {
        writer.writeStartElement("Placemark");
        writer.writeTextElement("name", bookmark.title);
        writer.writeTextElement("address", cmn::OneLineAddressText(bookmark.addresses.front()));
        writer.writeStartElement("TimeSpan");
        writer.writeTextElement("when", english.toString(bookmark.timestamp, "dd.MM.yyyy hh:mm:ss") + " "
                                            + pluginGui::UtcOffsetText(bookmark.timestamp));
        writer.writeEndElement();
        writer.writeStartElement("gx:Track");
        writer.writeTextElement("altitudeMode", "clampToGround");
        const location::Coordinates& point = bookmark.placePoint;
        writer.writeTextElement("gx:coord", Number(point.longitude) + ' ' + Number(point.latitude) + ' '
                                                + Number(point.altitude));
        writer.writeEndElement();
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndElement();
}

void ExportThroughWriter(const std::vector<AppleMapsPlaceBookmarkItem>& bookmarks, const QString& path)
{
    std::vector<const AppleMapsPlaceBookmarkItem*> pointers;
    pointers.reserve(bookmarks.size());
    for (const AppleMapsPlaceBookmarkItem& bookmark : bookmarks)
        pointers.push_back(&bookmark);
    using namespace appleMaps::details;
    const KmlNameWriter<AppleMapsPlaceBookmarkItem> writeName = WriteBookmarkName;
    ExportDataToKml<AppleMapsPlaceBookmarkItem>(pointers, path.toStdWString(), "bench", "Favorites", &writeName,
                                                WriteBookmarkTrack, IsBookmarkWithoutLocation);
}

// The best of `runs` timings, in seconds.
double BestTime(const std::function<void()>& run, int runs)
{
    double best = 1e9;
    for (int index = 0; index < runs; ++index) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int count = argc > 1 ? std::atoi(argv[1]) : 200000;
    const int runs = 3;
    const std::vector<AppleMapsPlaceBookmarkItem> bookmarks = MakeBookmarks(count);
    QTemporaryDir folder;
    const QString exported = folder.filePath("export.kml");
    const QString plain = folder.filePath("plain.kml");

    const double exportTime = BestTime([&] { ExportThroughWriter(bookmarks, exported); }, runs);
    const double floorTime = BestTime([&] { WritePlainly(bookmarks, plain); }, runs);
    const QByteArray exportedBytes = Contents(exported);
    if (exportedBytes != Contents(plain)) {
        out << "The floor wrote a different document: the comparison is void" << Qt::endl;
        return 1;
    }
    const double megabytes = exportedBytes.size() / 1e6;
    out << count << " favourites, " << QString::number(megabytes, 'f', 1) << " MB per file, best of " << runs
        << " runs\n";
    out << "ExportDataToKml: " << QString::number(exportTime, 'f', 3) << " s, "
        << QString::number(1.0 / exportTime, 'f', 2) << " files/s, " << QString::number(megabytes / exportTime, 'f', 1)
        << " MB/s\n";
    out << "plain loop:      " << QString::number(floorTime, 'f', 3) << " s, "
        << QString::number(1.0 / floorTime, 'f', 2) << " files/s, " << QString::number(megabytes / floorTime, 'f', 1)
        << " MB/s\n";
    out << "ratio: " << QString::number(exportTime / floorTime, 'f', 2) << " (target at most 1.50)" << Qt::endl;
    return 0;
}
