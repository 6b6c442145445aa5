#include "AppleMapsBackupFixture.h"

#include "SqliteFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamWriter>

namespace test {

QByteArray DescriptorXml(const DescriptorFields& fields)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Backup"));
    writer.writeTextElement(QStringLiteral("Version"), fields.version);
    writer.writeTextElement(QStringLiteral("Id"), fields.id);
    writer.writeStartElement(QStringLiteral("Categories"));
    writer.writeStartElement(QStringLiteral("Category"));
    writer.writeTextElement(QStringLiteral("Name"), fields.categoryName);
    writer.writeTextElement(QStringLiteral("Database"), fields.database);
    writer.writeTextElement(QStringLiteral("MinimumVersionRequired"), fields.minimumVersion);
    writer.writeEndDocument();
    return xml;
}

AppleMapsBackupFixture::AppleMapsBackupFixture(const DescriptorFields& fields)
    : m_fields(fields)
{
    if (!m_folder.isValid() || !QDir().mkpath(QFileInfo(DatabasePath()).path()))
        return;
    QFile descriptor(DescriptorPath());
    if (!descriptor.open(QIODevice::WriteOnly) || descriptor.write(DescriptorXml(fields)) < 0)
        return;
    CreateAppleMapsTables(SqliteFile(DatabasePath()));
    m_valid = true;
}

QString AppleMapsBackupFixture::DescriptorPath() const
{
    return m_folder.filePath(QStringLiteral("icloud_synced.xml"));
}

QString AppleMapsBackupFixture::DatabasePath() const
{
    return m_folder.filePath(m_fields.database);
}

void AppleMapsBackupFixture::Execute(const QString& sql) const
{
    SqliteFile(DatabasePath()).Execute(sql);
}

QMap<QString, QByteArray> AppleMapsBackupFixture::Snapshot() const
{
    QMap<QString, QByteArray> files;
    QDirIterator iterator(m_folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir root(m_folder.path());
    while (iterator.hasNext()) {
        QFile file(iterator.next());
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
        files.insert(root.relativeFilePath(file.fileName()), hash.result());
    }
    return files;
}

} // namespace test
