#pragma once

#include <boost/filesystem/path.hpp>

#include <string>

namespace ulq::cmn::utils {

// The folder for temporary copies, one per process and safe to use from any thread. The host
// sets it through the plug-in base; an empty folder, or none set, selects GetAppTempPath().
void SetTempFolder(const boost::filesystem::path& folder);
boost::filesystem::path GetTempFolder();

// A fresh path in the temporary folder, named from "%%%%-%%%%-%%%%-%%%%" with every % a random
// hexadecimal digit. Nothing is created.
boost::filesystem::path MakeUniqueTempPath();

// "Not enough free space in temporary folder: " (translated) and the temporary folder as UTF-8,
// built on first use and kept for the life of the process.
const std::string& GetTempFolderFullMessage();

} // namespace ulq::cmn::utils
