#pragma once

#include <boost/filesystem/path.hpp>

namespace ulq::cmn::utils {

// Copies a file, overwriting the destination. Throws FileSystemException
// "Can't copy file: <source> to <destination>. Filesystem error: <system text>".
void CopyFileW(const boost::filesystem::path& source, const boost::filesystem::path& destination);

// Creates the folder and its missing parents. Fails with FileSystemException
// "Can't create directory: <path>" only when the folder is still missing and the system reported
// an error other than "file exists".
void CreateDirectoryImpl(const boost::filesystem::path& path);

// Removes a file, or a folder with everything in it; a missing path is no failure.
// Throws FileSystemException logging "Can't delete folder: <path>. Filesystem error: <text>".
void DeleteItem(const boost::filesystem::path& path);

} // namespace ulq::cmn::utils
