#include "FileTreeSnapshot.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace test {
namespace {

QString Describe(const QFileInfo& entry)
{
    if (entry.isSymLink())
        return QStringLiteral("link to ") + entry.symLinkTarget();
    const QString modified = QString::number(entry.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch())
                             + QStringLiteral(", permissions ") + QString::number(entry.permissions(), 16);
    if (entry.isDir())
        return QStringLiteral("folder modified ") + modified;
    // Reading a pipe or a device would never end.
    if (!entry.isFile())
        return QStringLiteral("special file modified ") + modified;
    QFile file(entry.filePath());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const bool read = file.open(QIODevice::ReadOnly) && hash.addData(&file);
    return QStringLiteral("file of %1 bytes modified %2, sha256 %3")
        .arg(entry.size())
        .arg(modified, read ? QString::fromLatin1(hash.result().toHex()) : QStringLiteral("unreadable"));
}

} // namespace

FileTreeSnapshot::FileTreeSnapshot(const QString& folder)
{
    const QDir root(folder);
    m_entries.insert(QStringLiteral("."), Describe(QFileInfo(folder)));
    QDirIterator iterator(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                          QDirIterator::Subdirectories);
    while (iterator.hasNext()) {
        iterator.next();
        m_entries.insert(root.relativeFilePath(iterator.filePath()), Describe(iterator.fileInfo()));
    }
}

QString FileTreeSnapshot::ChangesSince(const FileTreeSnapshot& before) const
{
    QSet<QString> names;
    for (const QString& name : m_entries.keys() + before.m_entries.keys())
        names.insert(name);
    QStringList changes;
    for (const QString& name : names) {
        const QString was = before.m_entries.value(name, QStringLiteral("nothing"));
        const QString is = m_entries.value(name, QStringLiteral("nothing"));
        if (was != is)
            changes << name + QStringLiteral(": ") + was + QStringLiteral(" -> ") + is;
    }
    changes.sort();
    return changes.join(QLatin1Char('\n'));
}

} // namespace test
