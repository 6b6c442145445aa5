#pragma once

#include "exportReport/interfaces/ExportReportActionType.h"

#include <QString>
#include <QStringList>

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

// The file types of `fileTypes` (the plug-in's list, separated by ";;") that an export of `scope`
// can write, in the plug-in's order. A report holds every record of every kind, so only "All..."
// offers it; the page writes KML of all or of the shown records; nothing else is offered.
QStringList OfferedFileTypes(const QString& fileTypes, exportReport::ExportReportActionType scope);

// Where the save dialog opens: the last export folder, else the user's documents, else the home
// folder, whichever exists first outside `backupFolder`: an examiner is never invited to write
// into the evidence.
QString ExportStartFolder(const QString& lastFolder, const QString& backupFolder);

} // namespace host::viewer
