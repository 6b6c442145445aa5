#pragma once

#include "cmn/SourceLocation.h"

#include <boost/filesystem/path.hpp>

class QFile;

namespace appleMaps::details {

// Opens `file` on `path` for writing, truncating it. Throws cmn::PlugInCommonException
// "Can't open file" located at `writer`, the export that asked.
void OpenKmlFile(QFile& file, const boost::filesystem::path& path, const cmn::SourceLocation& writer);

// Flushes and closes `file` once the document is complete. A full disk shows only here, as the XML
// writer does not check its writes: throws cmn::PlugInCommonException "Unable to write file"
// located at `writer` rather than letting a cut-short file pass for an export.
void CloseKmlFile(QFile& file, const cmn::SourceLocation& writer);

} // namespace appleMaps::details
