#pragma once

#include <boost/filesystem/path.hpp>

#include <string>

namespace cmn {

// The text of the category's child `elementName`, joined to the descriptor's folder. Throws
// ulq::cmn::FileSystemException "Can't find file for <category> plugin in backup: " when the
// category or a non-empty element is missing.
boost::filesystem::path ResolveICloudSyncedCategory(const boost::filesystem::path& descriptorPath,
                                                    const std::string& categoryName,
                                                    const std::string& elementName);

// The category's database in extended-length form. With `makeCopy` the database is copied to a
// fresh path in the process temporary folder and that path is returned instead; the caller owns
// the copy (wrap it in ulq::cmn::TempFileWrapper). A missing database is not copied; an entry
// naming something other than a regular file throws ulq::cmn::FileSystemException "Can't find
// database for <category> plugin in backup: <database> is not a regular file.", and a copy that
// the temporary folder has no room for throws ulq::cmn::FileSystemCriticalException "Not enough
// free space in temporary folder: <folder>". The backup itself is only ever read.
boost::filesystem::path ResolveICloudSyncedDb(const boost::filesystem::path& descriptorPath,
                                              const std::string& categoryName, bool makeCopy);

} // namespace cmn
