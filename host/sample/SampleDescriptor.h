#pragma once

#include "PlistValue.h"

#include <QByteArray>

#include <cstdint>
#include <string>
#include <vector>

namespace host::sample {

struct DescriptorCategory {
    std::string name;
    int minimumVersionRequired = 0;
    // Relative to the descriptor's folder, with '/' separators.
    std::string database;
};

// The backup descriptor "icloud_synced.xml": its version, identifier, and per category the
// version a reader needs and where the database lies.
struct SampleDescriptor {
    int version = 0;
    std::string id;
    std::string created;
    std::string deviceName;
    std::vector<DescriptorCategory> categories;
};

// A version-5 descriptor whose "AppleMaps" category, the second of three, points at
// `appleMapsDatabase`; the identifier and dates follow from the seed.
SampleDescriptor MakeSampleDescriptor(std::uint64_t seed, const std::string& appleMapsDatabase);

// Backup/Version, Id, Created, DeviceName and Categories/Category/{Name, MinimumVersionRequired,
// Database}, in UTF-8.
QByteArray DescriptorXml(const SampleDescriptor& descriptor);

// The same content as a property list: {"Backup": {"Version", "Id", "Created", "DeviceName",
// "Categories": [{"Name", "MinimumVersionRequired", "Database"}, ...]}}, versions as integers.
PlistValue DescriptorPlist(const SampleDescriptor& descriptor);

} // namespace host::sample
