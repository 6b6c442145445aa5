#include "SampleBackup.h"

#include "BinaryPlistWriter.h"
#include "SampleDatabase.h"
#include "SampleDescriptor.h"
#include "SampleEdgeCases.h"
#include "SampleRecords.h"

#include "cmn/FileSystemException.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace host::sample {
namespace {

// `text` has a %1 for the path, so that what() alone tells the whole story.
[[noreturn]] void ThrowFileError(const cmn::SourceLocation& location, const char* text, const QString& path)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    const std::string userText = QCoreApplication::translate("cmn", text).arg(nativePath).toStdString();
    throw ulq::cmn::FileSystemException(location, userText, nativePath.toStdWString());
}

// Edge rows spread evenly between the regular rows: entry `index` of `count` goes before the
// regular row this returns, or after all of them when that is `rows`.
std::uint64_t EdgeSlot(std::size_t index, std::size_t count, std::uint64_t rows)
{
    return (index + 1) * rows / (count + 1);
}

class TableWriter {
public:
    TableWriter(SampleDatabase& database, SampleManifest& manifest)
        : m_database(database)
        , m_manifest(manifest)
    {
    }

    void WriteTable(SampleTable table, const SampleOptions& options)
    {
        SampleRecordFactory factory(table, options.seed, options.rowsPerTable);
        const std::vector<SampleEntry> edges = options.edgeCases ? MakeEdgeCases(factory) : std::vector<SampleEntry>();
        std::size_t next = 0;
        for (std::uint64_t index = 0; index < options.rowsPerTable; ++index) {
            for (; next < edges.size() && EdgeSlot(next, edges.size(), options.rowsPerTable) == index; ++next)
                WriteEntry(edges[next]);
            WriteEntry(factory.Regular(index));
        }
        for (; next < edges.size(); ++next)
            WriteEntry(edges[next]);
    }

    void WriteAddress(const SampleRow& address)
    {
        m_database.Insert(address);
        ++m_manifest.Counts(SampleTable::Addresses).rows;
    }

private:
    void WriteEntry(const SampleEntry& entry)
    {
        m_database.Insert(entry.row);
        SampleTableCounts& counts = m_manifest.Counts(entry.row.Table());
        ++counts.rows;
        counts.distinctRows += entry.newDistinctRow ? 1 : 0;
        counts.distinctIdentifiers += entry.newIdentifier ? 1 : 0;
        for (const SampleRow& address : entry.addresses)
            WriteAddress(address);
    }

    SampleDatabase& m_database;
    SampleManifest& m_manifest;
};

void WriteDatabase(const QString& path, const SampleOptions& options, SampleManifest& manifest)
{
    SampleDatabase database(QFile::encodeName(path).toStdString());
    TableWriter writer(database, manifest);
    for (SampleTable table : kSampleTables) {
        if (table != SampleTable::Addresses)
            writer.WriteTable(table, options);
    }
    if (options.edgeCases) {
        for (const SampleRow& address : MakeOrphanAddresses(options.seed))
            writer.WriteAddress(address);
    }
    database.Commit();
}

void WriteDescriptor(const QString& path, const SampleOptions& options)
{
    const SampleDescriptor descriptor = MakeSampleDescriptor(options.seed, kDatabaseRelativePath);
    const QByteArray content = options.binaryDescriptor ? WriteBinaryPlist(DescriptorPlist(descriptor))
                                                        : DescriptorXml(descriptor);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        ThrowFileError(CMN_SOURCE_LOCATION, QT_TRANSLATE_NOOP("cmn", "Cannot write the backup descriptor %1."),
                       path);
}

} // namespace

SampleManifest WriteSampleBackup(const QString& folder, const SampleOptions& options)
{
    const QDir backup(folder);
    SampleManifest manifest;
    manifest.descriptorPath = backup.absoluteFilePath(QString::fromLatin1(kDescriptorFileName));
    manifest.databasePath = backup.absoluteFilePath(QString::fromLatin1(kDatabaseRelativePath));
    for (const QString& path : {manifest.descriptorPath, manifest.databasePath}) {
        if (QFileInfo::exists(path))
            ThrowFileError(CMN_SOURCE_LOCATION,
                           QT_TRANSLATE_NOOP("cmn", "%1 already exists: a backup is never overwritten."), path);
    }
    const QString databaseFolder = QFileInfo(manifest.databasePath).path();
    const bool madeDatabaseFolder = !QFileInfo::exists(databaseFolder);
    if (!QDir().mkpath(databaseFolder))
        ThrowFileError(CMN_SOURCE_LOCATION, QT_TRANSLATE_NOOP("cmn", "Cannot create the folder %1."), databaseFolder);

    try {
        WriteDatabase(manifest.databasePath, options, manifest);
        WriteDescriptor(manifest.descriptorPath, options);
    } catch (...) {
        QFile::remove(manifest.databasePath);
        if (madeDatabaseFolder)
            QDir().rmdir(databaseFolder);
        throw;
    }
    return manifest;
}

} // namespace host::sample
