#include "SampleManifest.h"

namespace host::sample {

std::uint64_t SampleManifest::CategorySize() const
{
    std::uint64_t size = 0;
    for (SampleTable table : kSampleTables) {
        if (table != SampleTable::Addresses)
            size += Counts(table).distinctIdentifiers;
    }
    return size;
}

std::uint64_t SampleManifest::Searches() const
{
    return Counts(SampleTable::QuerySearches).distinctRows;
}

std::uint64_t SampleManifest::Favorites() const
{
    return Counts(SampleTable::PlaceBookmarks).distinctRows + Counts(SampleTable::RouteBookmarks).distinctRows;
}

std::uint64_t SampleManifest::ExploredPlaces() const
{
    return Counts(SampleTable::PlaceDisplays).distinctRows;
}

std::uint64_t SampleManifest::DirectionsSearches() const
{
    return Counts(SampleTable::DirectionsSearches).distinctRows;
}

} // namespace host::sample
