#pragma once

#include <QString>

namespace host::viewer {

// A file the user chose in the export dialog, and the format it is to be written in.
struct ExportTarget {
    enum class Format { None, Kml, Xlsx };

    Format format = Format::None;
    QString path;
};

// The typed suffix decides the format; a name without a known suffix takes the one of the
// dialog's chosen file type ("Kml file (*.kml)"), which is then appended. An empty path, or
// neither a known suffix nor a known file type, gives Format::None.
ExportTarget ResolveExportTarget(const QString& chosenPath, const QString& selectedFilter);

} // namespace host::viewer
