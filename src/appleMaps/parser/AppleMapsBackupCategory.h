#pragma once

namespace appleMaps {

// How the Apple Maps category appears in an iCloud-synced backup.
constexpr char DescriptorFileName[] = "icloud_synced.xml";
constexpr char BackupCategoryName[] = "AppleMaps";
// The newest category version this parser reads.
constexpr int SupportedCategoryVersion = 5;
// The oldest descriptor version for which the parser is offered.
constexpr int MinimumBackupVersion = 3;

} // namespace appleMaps
