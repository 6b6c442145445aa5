#pragma once

#include "SampleManifest.h"
#include "SampleOptions.h"

#include <QString>

namespace host::sample {

constexpr char kDescriptorFileName[] = "icloud_synced.xml";
// Relative to the backup folder.
constexpr char kDatabaseRelativePath[] = "AppleMaps/MapsSync.sqlite";

// Writes an iCloud-synced backup into `folder`, which is created when missing: the Apple Maps
// database with its six tables, then the descriptor (XML, or a binary property list). The same
// options give the same backup. A folder that already holds a descriptor or a database is left
// alone (ulq::cmn::FileSystemException): a backup is never overwritten. SQLite failures throw
// ulq::cmn::CommonException, and a failed write leaves no files behind.
SampleManifest WriteSampleBackup(const QString& folder, const SampleOptions& options);

} // namespace host::sample
