#pragma once

#include <boost/filesystem/path.hpp>

#include <QString>

// Where the evidence of an opened backup lies, so that nothing is ever written there.
namespace cmn {

// The absolute path with links, "." and ".." resolved, as the system would resolve it when the
// file is opened: of a path that does not exist yet, the nearest existing folder is resolved and
// the rest appended; a link that points nowhere yet is followed to where it points.
boost::filesystem::path ResolvedPath(const boost::filesystem::path& path);

// Whether `path` is `folder` or lies below it, both resolved.
bool LiesInside(const boost::filesystem::path& path, const boost::filesystem::path& folder);

// Why an export must not be written to `target` while the backup whose descriptor is
// `descriptorPath` is open: the target lies inside the backup's folder, or is the descriptor or
// the database it names (with that database's journal files), wherever they lie. Empty when it
// may be written. Call before anything is opened for writing.
QString ExportTargetRefusal(const boost::filesystem::path& target, const boost::filesystem::path& descriptorPath);

} // namespace cmn
