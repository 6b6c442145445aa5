#pragma once

#include <QMap>
#include <QString>

namespace test {

// Every entry below a folder, the folder included, without following links: kind, size,
// modification time, permissions and SHA-256 of a file; modification time and permissions of a
// folder (whose time moves when anything is created or removed in it, a short-lived journal too);
// the target of a link.
class FileTreeSnapshot final {
public:
    explicit FileTreeSnapshot(const QString& folder);

    bool operator==(const FileTreeSnapshot& other) const { return m_entries == other.m_entries; }

    // One line per entry added, removed or changed since `before`, for failure messages.
    QString ChangesSince(const FileTreeSnapshot& before) const;

private:
    QMap<QString, QString> m_entries;
};

} // namespace test
