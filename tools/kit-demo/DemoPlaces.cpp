#include "DemoPlaces.h"

#include "cmn/text/AddressText.h"
#include "pluginGui/CellPointer.h"

#include <QCoreApplication>
#include <QStandardItemModel>

namespace demo {

namespace {

constexpr int DateRole = Qt::UserRole + 1;

cmn::Address MakeAddress(const char* thoroughfare, const char* number, const char* postCode, const char* locality,
                         const char* country, std::int32_t state = cmn::Address::Resolved)
{
    cmn::Address address;
    address.countryCode = QString();
    address.country = QString::fromUtf8(country);
    address.locality = QString::fromUtf8(locality);
    address.thoroughfare = QString::fromUtf8(thoroughfare);
    address.subThoroughfare = QString::fromUtf8(number);
    address.postCode = QString::fromUtf8(postCode);
    address.resolutionState = state;
    return address;
}

QDateTime At(const char* text)
{
    QDateTime dateTime = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
    dateTime.setOffsetFromUtc(3600);
    return dateTime;
}

QString Link(double latitude, double longitude, const char* query)
{
    return QStringLiteral("https://maps.apple.com/?ll=%1,%2&q=%3")
        .arg(latitude, 0, 'f', 5)
        .arg(longitude, 0, 'f', 5)
        .arg(QString::fromLatin1(query));
}

} // namespace

std::vector<DemoPlace> MakeDemoPlaces()
{
    return {
        {"Café Einstein Stammhaus", MakeAddress("Kurfürstenstraße", "58", "10785", "Berlin", "Germany"),
         At("2019-03-05T14:07:33"), Link(52.50203, 13.35721, "Cafe")},
        {"Hauptbahnhof", MakeAddress("Europaplatz", "1", "10557", "Berlin", "Germany"), At("2019-02-21T08:41:02"),
         Link(52.52508, 13.36941, "Station")},
        {"Hotel am Hafen", MakeAddress("Am Sandtorkai", "64", "20457", "Hamburg", "Germany"),
         At("2018-11-30T19:15:47"), Link(53.54399, 9.99126, "Hotel")},
        {"Office", MakeAddress("Friedrichstraße", "123", "10117", "Berlin", "Germany", cmn::Address::NotResolvedYet),
         At("2019-01-14T09:02:10"), Link(52.52391, 13.38746, "Office")},
        {"Marienplatz parking", MakeAddress("Marienplatz", "8", "80331", "München", "Germany"),
         At("2018-08-02T17:26:55"), Link(48.13725, 11.57542, "Parking")},
        {"Dropped pin", MakeAddress("", "", "", "", "", cmn::Address::NotAvailable), QDateTime(),
         Link(52.48911, 13.42570, "Pin")},
        {"Tempelhofer Feld, south gate", MakeAddress("Columbiadamm", "160", "10965", "Berlin", "Germany"),
         At("2019-03-02T11:48:20"), Link(52.47623, 13.40185, "Park")},
        {"Elbphilharmonie", MakeAddress("Platz der Deutschen Einheit", "4", "20457", "Hamburg", "Germany"),
         At("2018-12-01T20:03:11"), Link(53.54130, 9.98414, "Concert")},
        {"Mauerpark flea market", MakeAddress("Bernauer Straße", "63", "13355", "Berlin", "Germany"),
         At("2019-02-10T10:30:00"), Link(52.54345, 13.40276, "Market")},
        {"Flughafen BER, Terminal 1", MakeAddress("Willy-Brandt-Platz", "", "12529", "Schönefeld", "Germany"),
         At("2018-10-19T06:12:44"), Link(52.36471, 13.50967, "Airport")},
        {"Pension Sonnenhof", MakeAddress("Seestraße", "21", "83700", "Rottach-Egern", "Germany"),
         At("2018-07-14T16:55:09"), Link(47.69551, 11.76768, "Pension")},
        {"Potsdamer Platz car park", MakeAddress("Potsdamer Platz", "1", "10785", "Berlin", "Germany"),
         At("2019-01-27T22:40:31"), Link(52.50931, 13.37605, "Parking")},
    };
}

void FillModel(QStandardItemModel& model, const std::vector<DemoPlace>& places)
{
    model.setColumnCount(ColumnCount);
    model.setHorizontalHeaderLabels({QCoreApplication::translate("demo", "Name"),
                                     QCoreApplication::translate("demo", "Address"),
                                     QCoreApplication::translate("demo", "Date created"),
                                     QCoreApplication::translate("demo", "Map link")});
    for (const DemoPlace& place : places) {
        auto* address = new QStandardItem(cmn::OneLineAddressText(place.address));
        address->setData(QVariant::fromValue(&place.address), Qt::UserRole);
        auto* created = new QStandardItem;
        created->setData(place.created, Qt::DisplayRole);
        created->setData(place.created, DateRole);
        model.appendRow({new QStandardItem(place.name), address, created, new QStandardItem(place.mapLink)});
    }
}

} // namespace demo
