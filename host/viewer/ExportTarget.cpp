#include "ExportTarget.h"

#include <QFileInfo>

#include <array>

namespace host::viewer {
namespace {

struct KnownFormat {
    ExportTarget::Format format;
    const char* suffix;
};

constexpr std::array<KnownFormat, 2> kKnownFormats{{{ExportTarget::Format::Kml, "kml"},
                                                    {ExportTarget::Format::Xlsx, "xlsx"}}};

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
    for (const KnownFormat& known : kKnownFormats) {
        if (selectedFilter.contains(QStringLiteral("*.%1").arg(QLatin1String(known.suffix)), Qt::CaseInsensitive))
            return {known.format, chosenPath + QLatin1Char('.') + QLatin1String(known.suffix)};
    }
    return {};
}

} // namespace host::viewer
