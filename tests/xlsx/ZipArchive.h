#pragma once

#include <QByteArray>
#include <QString>

namespace test {

// Reads members of a zip archive with the system's unzip, apart from the code under test.
class ZipArchive {
public:
    explicit ZipArchive(QString path);

    // Whether the archive's directory and checksums are sound.
    bool IsValid() const;
    // The member's bytes; empty when it is missing.
    QByteArray Member(const QString& name) const;

private:
    QString m_path;
};

} // namespace test
