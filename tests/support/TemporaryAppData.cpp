#include "TemporaryAppData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace test {
namespace {

constexpr char kAppDataVariable[] = "appdata";

} // namespace

TemporaryAppData::TemporaryAppData()
    : m_hadAppData(qEnvironmentVariableIsSet(kAppDataVariable))
    , m_previousAppData(qgetenv(kAppDataVariable))
{
    qputenv(kAppDataVariable, QFile::encodeName(m_folder.path()));
    // No way back to the previous native paths exists; later tests stay away from the user's
    // stores all the same.
    QStandardPaths::setTestModeEnabled(true);
    const QString nativeStores = m_folder.filePath(QStringLiteral("native"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nativeStores);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nativeStores);
}

TemporaryAppData::~TemporaryAppData()
{
    if (m_hadAppData)
        qputenv(kAppDataVariable, m_previousAppData);
    else
        qunsetenv(kAppDataVariable);
}

QString TemporaryAppData::SettingsFilePath() const
{
    return m_folder.filePath(QStringLiteral("Halvenrod/Mirrowdale/Settings.ini"));
}

bool TemporaryAppData::WriteSettingsFile(const QByteArray& iniText) const
{
    const QString path = SettingsFilePath();
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(iniText) == iniText.size();
}

} // namespace test
