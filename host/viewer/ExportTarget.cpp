#include "ExportTarget.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>

namespace host::viewer {
namespace {

struct KnownFormat {
    ExportTarget::Format format;
    const char* suffix;
};

constexpr std::array<KnownFormat, 2> kKnownFormats{{{ExportTarget::Format::Kml, "kml"},
                                                    {ExportTarget::Format::Xlsx, "xlsx"}}};

ExportTarget::Format FormatOfFileType(const QString& fileType)
{
    for (const KnownFormat& known : kKnownFormats) {
        if (fileType.contains(QStringLiteral("*.%1").arg(QLatin1String(known.suffix)), Qt::CaseInsensitive))
            return known.format;
    }
    return ExportTarget::Format::None;
}

bool IsInside(const QString& folder, const QString& outer)
{
    const QString path = QFileInfo(folder).canonicalFilePath();
    const QString outerPath = QFileInfo(outer).canonicalFilePath();
    return !outerPath.isEmpty() && (path == outerPath || path.startsWith(outerPath + QLatin1Char('/')));
}

} // namespace

ExportTarget ResolveExportTarget(const QString& chosenPath, const QString& selectedFilter)
{
    if (chosenPath.isEmpty())
        return {};
    const QString suffix = QFileInfo(chosenPath).suffix();
    for (const KnownFormat& known : kKnownFormats) {
        if (suffix.compare(QLatin1String(known.suffix), Qt::CaseInsensitive) == 0)
            return {known.format, chosenPath};
    }
    const ExportTarget::Format chosenFormat = FormatOfFileType(selectedFilter);
    for (const KnownFormat& known : kKnownFormats) {
        if (known.format == chosenFormat)
            return {known.format, chosenPath + QLatin1Char('.') + QLatin1String(known.suffix)};
    }
    return {};
}

QStringList OfferedFileTypes(const QString& fileTypes, exportReport::ExportReportActionType scope)
{
    QStringList offered;
    for (const QString& fileType : fileTypes.split(QStringLiteral(";;"), Qt::SkipEmptyParts)) {
        const ExportTarget::Format format = FormatOfFileType(fileType);
        if ((format == ExportTarget::Format::Kml && (scope == exportReport::All || scope == exportReport::Filtered))
            || (format == ExportTarget::Format::Xlsx && scope == exportReport::All))
            offered << fileType;
    }
    return offered;
}

QString ExportStartFolder(const QString& lastFolder, const QString& backupFolder)
{
    const QStringList candidates{lastFolder,
                                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                 QDir::homePath()};
    for (const QString& folder : candidates) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !IsInside(folder, backupFolder))
            return folder;
    }
    return QDir::rootPath();
}

} // namespace host::viewer
