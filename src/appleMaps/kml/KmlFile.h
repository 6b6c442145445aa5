#pragma once

#include "cmn/SourceLocation.h"

#include <boost/filesystem/path.hpp>

class QFile;

namespace appleMaps::details {

// Opens `file` on `path` for writing, truncating it. Throws cmn::PlugInCommonException
// "Can't open file" located at `writer`, the export that asked.
void OpenKmlFile(QFile& file, const boost::filesystem::path& path, const cmn::SourceLocation& writer);

} // namespace appleMaps::details
