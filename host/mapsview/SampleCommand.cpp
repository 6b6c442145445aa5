#include "SampleCommand.h"

#include "JsonLine.h"

#include "sample/SampleBackup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <exception>

namespace host {
namespace {

constexpr int kUsageError = 2;

bool ReadNumber(const QCommandLineParser& parser, const QCommandLineOption& option, std::uint64_t* number)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    *number = parser.value(option).toULongLong(&ok);
    return ok;
}

} // namespace

int RunSampleCommand(const QStringList& arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    const QCommandLineOption rows(QStringLiteral("rows"), QString(), QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("S"));
    const QCommandLineOption edgeCases(QStringLiteral("edge-cases"));
    const QCommandLineOption binaryDescriptor(QStringLiteral("binary-descriptor"));
    parser.addOptions({rows, seed, edgeCases, binaryDescriptor});

    sample::SampleOptions options;
    const bool parsed = parser.parse(QStringList(QStringLiteral("sample")) + arguments);
    if (!parsed || parser.positionalArguments().size() != 1 || !ReadNumber(parser, rows, &options.rowsPerTable)
        || !ReadNumber(parser, seed, &options.seed)) {
        err << QCoreApplication::translate("cmn", "Usage: mapsview sample DIR [--rows N] [--seed S] [--edge-cases] "
                                                  "[--binary-descriptor]")
            << Qt::endl;
        if (!parsed)
            err << parser.errorText() << Qt::endl;
        return kUsageError;
    }
    options.edgeCases = parser.isSet(edgeCases);
    options.binaryDescriptor = parser.isSet(binaryDescriptor);

    try {
        const QString folder = parser.positionalArguments().first();
        const sample::SampleManifest manifest = sample::WriteSampleBackup(folder, options);
        out << JsonLine()
                   .Add("descriptor", manifest.descriptorPath)
                   .Add("database", manifest.databasePath)
                   .Add("size", manifest.CategorySize())
                   .Add("searches", manifest.Searches())
                   .Add("favorites", manifest.Favorites())
                   .Add("explored_places", manifest.ExploredPlaces())
                   .Add("directions_searches", manifest.DirectionsSearches())
                   .ToString()
            << Qt::endl;
    } catch (const std::exception& exception) {
        err << QCoreApplication::translate("cmn", "Cannot write the sample backup: %1")
                   .arg(QString::fromStdString(exception.what()))
            << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace host
