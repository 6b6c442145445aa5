#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

namespace test {

// The entries of a backup descriptor that lists one category. Texts, so that a test can put
// anything there.
struct DescriptorFields {
    QString version = QStringLiteral("3");
    QString id = QStringLiteral("0F3A-77C1-backup");
    QString categoryName = QStringLiteral("AppleMaps");
    QString database = QStringLiteral("AppleMaps/MapsSync.sqlite"); // relative to the descriptor
    QString minimumVersion = QStringLiteral("5");
};

// The XML of an "icloud_synced.xml" with the given entries.
QByteArray DescriptorXml(const DescriptorFields& fields = {});

// A backup folder in a temporary place: "icloud_synced.xml" and, where it points, an Apple Maps
// database with the six tables and no rows.
class AppleMapsBackupFixture final {
public:
    explicit AppleMapsBackupFixture(const DescriptorFields& fields = {});

    bool IsValid() const { return m_valid; }
    QString DescriptorPath() const;
    QString DatabasePath() const;

    // Runs statements on the database; throws std::runtime_error when one fails.
    void Execute(const QString& sql) const;

    // Every file under the folder by relative path, with its content's hash.
    QMap<QString, QByteArray> Snapshot() const;

private:
    QTemporaryDir m_folder;
    DescriptorFields m_fields;
    bool m_valid = false;
};

} // namespace test
