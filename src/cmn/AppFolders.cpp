#include "AppFolders.h"

#include "FileChecks.h"
#include "cmn/platform/Platform.h"

#include "CryptLog/log/Log.h"

#include <QString>
#include <QtGlobal>

namespace ulq::cmn::utils {

const std::wstring& GetMakerName()
{
    static const std::wstring name = L"Halvenrod";
    return name;
}

const std::wstring& GetProductName()
{
    static const std::wstring name = L"Mirrowdale";
    return name;
}

std::wstring GetEnvVar(const std::wstring& name)
{
    const QString variable = QString::fromStdWString(name);
    if (!qEnvironmentVariableIsSet(variable.toLocal8Bit().constData())) {
        LOG_WARN << "Varname is not found in the environment table.";
        return {};
    }
    return qEnvironmentVariable(variable.toLocal8Bit().constData()).toStdWString();
}

boost::filesystem::path GetAppDataPath()
{
    return boost::filesystem::path(GetEnvVar(L"appdata")) / GetMakerName() / GetProductName();
}

boost::filesystem::path GetSettingsFilePath()
{
    return GetAppDataPath() / L"Settings.ini";
}

boost::filesystem::path GetLogFilePath()
{
    return GetAppDataPath() / L"ULQ.log";
}

boost::filesystem::path GetAppTempPath()
{
    const boost::filesystem::path appData = GetAppDataPath();
    if (CheckFileExists(appData, false))
        return appData / L"Temp";
    LOG_DEBUG << "%AppData% is not found, temp folder is executable folder of exe.";
    return ::cmn::platform::ExecutablePath().parent_path() / L"Temp";
}

} // namespace ulq::cmn::utils
