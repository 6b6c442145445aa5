#pragma once

#include <boost/filesystem/path.hpp>

#include <cstddef>
#include <string>

namespace ulq::cmn::utils {

// Extended-length prefixes: \\?\ for local paths, \\?\UNC\ for network shares.
const std::wstring& LocalLongPathPrefix();
const std::wstring& NetworkLongPathPrefix();

// Whether a drive designator ("C:") stands at `at`.
bool HasDriveDesignatorAt(const std::wstring& path, std::size_t at = 0);

// The extended-length form of a path, as a pure text operation: a network path in UNC form
// (\\server\share\x) becomes \\?\UNC\server\share\x, a drive-absolute path (C:\x) gets \\?\.
// Prefixed, device (\\.\), relative and empty paths stay as they are, since the prefix would
// turn off the system's own normalisation of them. A mapped network drive keeps its drive form.
std::wstring MakeLongPathForm(const std::wstring& path, bool isNetwork);

// The extended-length form where the system uses one (Windows, with the drive type deciding
// local or network); elsewhere the path unchanged.
boost::filesystem::path ApplyLongPathForm(const boost::filesystem::path& path);

} // namespace ulq::cmn::utils
