#pragma once

#include "cmn/SourceLocation.h"

#include <boost/filesystem/path.hpp>

#include <QFile>

class QXmlStreamWriter;

namespace appleMaps::details {

// A KML file while it is written. What a failed export leaves behind is removed: every write is
// checked, not only the last flush, and the file is gone again unless Commit succeeds.
class KmlFile final {
public:
    // Opens `path` for writing, truncating it. Throws cmn::PlugInCommonException "Can't open
    // file" located at `writer`, the export that asked.
    KmlFile(const boost::filesystem::path& path, const cmn::SourceLocation& writer);
    ~KmlFile();

    KmlFile(const KmlFile&) = delete;
    KmlFile& operator=(const KmlFile&) = delete;

    QFile& Device() { return m_file; }

    // Puts the complete document on disk and closes the file. A full disk may show only here, or
    // only in the XML writer's state, as it does not report failed writes itself: throws
    // cmn::PlugInCommonException "Unable to write file" rather than let a cut-short file pass.
    void Commit(const QXmlStreamWriter& writer);

private:
    QFile m_file;
    cmn::SourceLocation m_writer;
    bool m_committed = false;
};

} // namespace appleMaps::details
