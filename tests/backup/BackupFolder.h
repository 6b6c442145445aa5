#pragma once

#include <boost/filesystem/path.hpp>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace test {

// Descriptor text: a Backup with a Version (left out when null) and the given category elements.
QByteArray DescriptorXml(const QByteArray& version, const QByteArray& categories, const QByteArray& extra = {});
// A Category element; a null minimum version or database leaves that element out.
QByteArray CategoryXml(const QByteArray& name, const QByteArray& database, const QByteArray& minimumVersion = {});

// A temporary extracted backup: the descriptor and the files it names.
class BackupFolder final {
public:
    bool IsValid() const { return m_folder.isValid(); }
    QString FilePath(const QString& relative) const { return m_folder.filePath(relative); }
    QString Path() const { return m_folder.path(); }

    boost::filesystem::path Write(const QString& relative, const QByteArray& content) const;
    boost::filesystem::path WriteDescriptor(const QByteArray& content) const
    {
        return Write(QStringLiteral("icloud_synced.xml"), content);
    }

private:
    QTemporaryDir m_folder;
};

} // namespace test
