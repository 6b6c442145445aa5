#pragma once

#include <boost/filesystem/path.hpp>

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

namespace test {

// Descriptor text: a Backup with a Version (left out when null) and the given category elements.
QByteArray DescriptorXml(const QByteArray& version, const QByteArray& categories, const QByteArray& extra = {});
// A Category element; a null minimum version or database leaves that element out.
QByteArray CategoryXml(const QByteArray& name, const QByteArray& database, const QByteArray& minimumVersion = {});

// The file's bytes; empty when it cannot be read.
QByteArray ReadFile(const QString& path);

// What a folder held: every file's bytes, modification time and permissions, by relative path.
struct FolderSnapshot {
    struct Entry {
        QByteArray content;
        QDateTime modified;
        int permissions = 0;
        bool operator==(const Entry& other) const
        {
            return content == other.content && modified == other.modified && permissions == other.permissions;
        }
    };
    QMap<QString, Entry> entries;
    bool operator==(const FolderSnapshot& other) const { return entries == other.entries; }
};

// A temporary extracted backup: the descriptor and the files it names.
class BackupFolder final {
public:
    bool IsValid() const { return m_folder.isValid(); }
    QString FilePath(const QString& relative) const { return m_folder.filePath(relative); }

    boost::filesystem::path Write(const QString& relative, const QByteArray& content) const;
    boost::filesystem::path WriteDescriptor(const QByteArray& content) const
    {
        return Write(QStringLiteral("icloud_synced.xml"), content);
    }

    FolderSnapshot Snapshot() const;

private:
    QTemporaryDir m_folder;
};

} // namespace test
