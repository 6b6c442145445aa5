#include "BackupFolder.h"

#include "support/FileContents.h"

#include <QDir>
#include <QFileInfo>

namespace test {

QByteArray DescriptorXml(const QByteArray& version, const QByteArray& categories, const QByteArray& extra)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Backup>\n";
    if (!version.isNull())
        xml += "  <Version>" + version + "</Version>\n";
    xml += extra;
    xml += "  <Categories>\n" + categories + "  </Categories>\n</Backup>\n";
    return xml;
}

QByteArray CategoryXml(const QByteArray& name, const QByteArray& database, const QByteArray& minimumVersion)
{
    QByteArray xml = "    <Category>\n      <Name>" + name + "</Name>\n";
    if (!database.isNull())
        xml += "      <Database>" + database + "</Database>\n";
    if (!minimumVersion.isNull())
        xml += "      <MinimumVersionRequired>" + minimumVersion + "</MinimumVersionRequired>\n";
    return xml + "    </Category>\n";
}

boost::filesystem::path BackupFolder::Write(const QString& relative, const QByteArray& content) const
{
    const QString path = m_folder.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    WriteFile(path, content);
    return path.toStdWString();
}

} // namespace test
