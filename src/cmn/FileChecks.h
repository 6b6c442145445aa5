#pragma once

#include <boost/filesystem/path.hpp>

#include <cstdint>

namespace ulq::cmn::utils {

// Access bits of CheckFilePermissions.
enum FileAccess : unsigned {
    FileAccessRead = 1u << 0,
    FileAccessWrite = 1u << 1,
    FileAccessExecute = 1u << 2,
};

// True when anything exists at the path; otherwise false, or FileSystemException
// "File does not exist:" when `throwIfMissing` is set.
bool CheckFileExists(const boost::filesystem::path& path, bool throwIfMissing);

// Opens the existing file with exactly the `FileAccess` bits asked for and closes it again.
// Throws FileSystemException: "Invalid file permissions." when no bit is set, "Please check that
// you have enough permissions to access." when the open fails.
void CheckFilePermissions(const boost::filesystem::path& path, unsigned accessFlags);

// Whether the folder of `path` (the path itself when it is a folder, else its parent) has more
// than `requiredBytes` available. A space query that fails counts as no space. When short,
// throws FileSystemCriticalException "Not enough space on the disk. Path: <path>" if
// `throwIfShort` is set, else returns false.
bool CheckDiskFreeSpace(const boost::filesystem::path& path, std::uint64_t requiredBytes, bool throwIfShort);

// Opens the file for reading and closes it; FileSystemException "Could not open file." if it cannot.
void TryToOpenFile(const boost::filesystem::path& path);

// Size in bytes; FileSystemException "Can't get file size: %1" when the system cannot tell.
std::uint64_t GetFileSize(const boost::filesystem::path& path);

} // namespace ulq::cmn::utils
