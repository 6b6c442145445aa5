#pragma once

#include <boost/filesystem/path.hpp>

#include <string>

namespace ulq::cmn::utils {

// Maker and product folder names; also the settings organisation and application names.
const std::wstring& GetMakerName();    // "Halvenrod"
const std::wstring& GetProductName();  // "Mirrowdale"

// The value of an environment variable; a missing one logs a warning and gives an empty text.
std::wstring GetEnvVar(const std::wstring& name);

// "appdata"/Halvenrod/Mirrowdale. Nothing is created here.
boost::filesystem::path GetAppDataPath();
boost::filesystem::path GetSettingsFilePath();  // <app data>/Settings.ini
boost::filesystem::path GetLogFilePath();       // <app data>/ULQ.log

// <app data>/Temp when the application-data folder exists, otherwise the executable's folder
// joined with "Temp". Nothing is created here.
boost::filesystem::path GetAppTempPath();

} // namespace ulq::cmn::utils
