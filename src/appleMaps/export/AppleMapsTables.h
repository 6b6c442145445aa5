#pragma once

#include <string>

namespace exportReport {
struct ExportContext;
}

namespace appleMaps {

struct AppleMapsRecords;

namespace details {

// Writes the four record kinds into the context's report, searches first, each as a table
// named "<categoryName> - <kind>". Failures leave through exceptions; tables written so far stay.
void ExportAppleMapsTables(const AppleMapsRecords& records, const std::string& categoryName,
                           const exportReport::ExportContext& context);

} // namespace details
} // namespace appleMaps
