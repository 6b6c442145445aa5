#pragma once

#include <QByteArray>
#include <QString>

namespace test {

// Reads members of a zip archive with the system's unzip, or python3's zipfile where unzip is
// missing. Tests skip when neither exists.
class ZipArchive {
public:
    explicit ZipArchive(QString path);

    static bool ToolAvailable();
    // Whether the archive's directory and checksums are sound.
    bool IsValid() const;
    // The member's bytes; empty when it is missing.
    QByteArray Member(const QString& name) const;

private:
    QString m_path;
};

} // namespace test
