#include "SampleEdgeCases.h"

#include <cstring>

namespace host::sample {
namespace {

constexpr double kNoCoordinate = -180.0;
constexpr char kCorrupted[] = "<CORRUPTED DATA>";
constexpr std::size_t kLongTextBytes = 20000;
constexpr std::int64_t kUnknownTransportTypes[] = {3, -1};
constexpr std::uint64_t kOrphanSerial = 0x0DDBA11ULL;

bool EndsWith(const char* text, const char* suffix)
{
    const std::size_t length = std::strlen(text);
    const std::size_t suffixLength = std::strlen(suffix);
    return length >= suffixLength && std::strcmp(text + length - suffixLength, suffix) == 0;
}

bool IsIdentifier(const SampleColumn& column)
{
    return std::strcmp(column.name, "identifier") == 0;
}

template <typename Change>
void ChangeColumns(SampleRow& row, bool (*selects)(const SampleColumn&), Change change)
{
    for (const SampleColumn& column : TableDefinition(row.Table()).columns) {
        if (selects(column))
            row.Set(column.name, change(row.Get(column.name)));
    }
}

bool IsLatitude(const SampleColumn& column)
{
    return EndsWith(column.name, "_latitude");
}

bool IsText(const SampleColumn& column)
{
    return std::strcmp(column.declaredType, "TEXT") == 0 && !IsIdentifier(column);
}

bool IsContent(const SampleColumn& column)
{
    return !IsIdentifier(column);
}

const char* FirstLatitude(SampleTable table)
{
    for (const SampleColumn& column : TableDefinition(table).columns) {
        if (IsLatitude(column))
            return column.name;
    }
    return nullptr;
}

// Mixed scripts, a combining accent, a character outside the BMP, a joined emoji sequence and a
// right-to-left run, repeated to `bytes`.
std::string LongText(std::size_t bytes)
{
    static const std::string phrase =
        "Ünïcödé e\xCC\x81 Привет 世界 \xF0\xA0\x80\x8B مرحبا بالعالم "
        "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7 \xE2\x80\x8F"
        "שלום\xE2\x80\x8E नमस्ते 🗺️ ";
    std::string text;
    while (text.size() + phrase.size() <= bytes)
        text += phrase;
    return text;
}

// An exact copy: no new row, no new identifier, no more addresses.
SampleEntry Duplicate(SampleEntry entry)
{
    entry.newDistinctRow = false;
    entry.newIdentifier = false;
    entry.addresses.clear();
    return entry;
}

std::string IdentifierOf(const SampleEntry& entry)
{
    return std::get<std::string>(entry.row.Get("identifier"));
}

} // namespace

std::vector<SampleEntry> MakeEdgeCases(SampleRecordFactory& factory)
{
    const SampleTable table = factory.Table();
    const bool hasAddresses = table != SampleTable::QuerySearches;
    std::uint64_t serial = 0;
    std::vector<SampleEntry> entries;

    // Every cell NULL but the identifier, its address too.
    SampleEntry nullCells = factory.Extra(serial++);
    ChangeColumns(nullCells.row, IsContent, [](const SampleCell&) { return SampleCell(); });
    for (SampleRow& address : nullCells.addresses)
        address = MakeAddressRow(IdentifierOf(nullCells), {});
    entries.push_back(nullCells);

    SampleEntry oneAxisMissing = factory.Extra(serial++);
    oneAxisMissing.row.Set(FirstLatitude(table), kNoCoordinate);
    entries.push_back(oneAxisMissing);

    SampleEntry corrupted = factory.Extra(serial++);
    ChangeColumns(corrupted.row, IsText, [](const SampleCell&) { return SampleCell(kCorrupted); });
    for (SampleRow& address : corrupted.addresses)
        address.Set("locality", kCorrupted);
    entries.push_back(corrupted);

    SampleEntry integerLatitudes = factory.Extra(serial++);
    ChangeColumns(integerLatitudes.row, IsLatitude, [](const SampleCell& cell) {
        const double* latitude = std::get_if<double>(&cell);
        return latitude ? SampleCell(static_cast<std::int64_t>(*latitude)) : cell;
    });
    entries.push_back(integerLatitudes);

    SampleEntry epoch = factory.Extra(serial++);
    epoch.row.Set("timestamp", std::int64_t{0});
    entries.push_back(epoch);

    entries.push_back(Duplicate(epoch));

    SampleEntry reusedIdentifier = factory.Extra(serial++);
    reusedIdentifier.row.Set("identifier", IdentifierOf(oneAxisMissing));
    reusedIdentifier.newIdentifier = false;
    reusedIdentifier.addresses.clear();
    entries.push_back(reusedIdentifier);

    if (hasAddresses) {
        SampleEntry withoutAddress = factory.Extra(serial++);
        withoutAddress.addresses.clear();
        entries.push_back(withoutAddress);

        SampleEntry severalAddresses = factory.Extra(serial++);
        const std::string identifier = IdentifierOf(severalAddresses);
        severalAddresses.addresses.push_back(MakeAddressRow(
            identifier, {"Россия", "RU", "Москва", "MOW", "Москва", "125009", "Тверская улица", "7"}));
        severalAddresses.addresses.push_back(
            MakeAddressRow(identifier, {"日本", "JP", "東京都", "13", "千代田区", "100-0005", "丸の内", "1-9-1"}));
        entries.push_back(severalAddresses);
    }

    SampleEntry longTexts = factory.Extra(serial++);
    ChangeColumns(longTexts.row, IsText, [](const SampleCell&) { return SampleCell(LongText(kLongTextBytes)); });
    for (SampleRow& address : longTexts.addresses)
        address.Set("thoroughfare", LongText(kLongTextBytes));
    entries.push_back(longTexts);

    SampleEntry nullIdentifier = factory.Extra(serial++);
    nullIdentifier.row.Set("identifier", SampleCell());
    nullIdentifier.newIdentifier = false;
    nullIdentifier.addresses.clear();
    entries.push_back(nullIdentifier);

    if (table == SampleTable::QuerySearches) {
        // The same search synced twice: a new identifier, but no new row without it.
        SampleEntry resynced = oneAxisMissing;
        resynced.row.Set("identifier", IdentifierOf(factory.Extra(serial++)));
        resynced.newDistinctRow = false;
        entries.push_back(resynced);
    }

    if (table == SampleTable::DirectionsSearches) {
        for (std::int64_t transportType : kUnknownTransportTypes) {
            SampleEntry unknownTransport = factory.Extra(serial++);
            unknownTransport.row.Set("transport_type", transportType);
            entries.push_back(unknownTransport);
        }
    }
    return entries;
}

std::vector<SampleRow> MakeOrphanAddresses(std::uint64_t seed)
{
    return {MakeAddressRow(MakeIdentifier(seed, SampleTable::Addresses, kOrphanSerial),
                           {"Deutschland", "DE", "Bayern", "BY", "München", "80331", "Marienplatz", "8"})};
}

} // namespace host::sample
