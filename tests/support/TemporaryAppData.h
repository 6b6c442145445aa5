#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace test {

// Points the process's settings away from the user's own: "appdata" names a temporary folder
// while the object lives, and the native settings stores of the user scope are kept inside it.
// Process-wide settings objects created meanwhile keep that folder's paths after it is gone.
class TemporaryAppData final {
public:
    TemporaryAppData();
    ~TemporaryAppData();

    TemporaryAppData(const TemporaryAppData&) = delete;
    TemporaryAppData& operator=(const TemporaryAppData&) = delete;

    bool IsValid() const { return m_folder.isValid(); }
    QString Path() const { return m_folder.path(); }

    // Where the viewer keeps "Settings.ini" under this "appdata".
    QString SettingsFilePath() const;
    // Writes `iniText` as the settings file, creating its folders.
    bool WriteSettingsFile(const QByteArray& iniText) const;

private:
    QTemporaryDir m_folder;
    bool m_hadAppData;
    QByteArray m_previousAppData;
};

} // namespace test
