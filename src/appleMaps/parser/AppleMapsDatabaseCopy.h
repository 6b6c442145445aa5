#pragma once

#include "cmn/TempFileWrapper.h"
#include "cmn/db/SqLiteDbAdapter.h"

#include <boost/filesystem/path.hpp>

#include <string>

namespace appleMaps {

// A private temporary copy of the backup's Apple Maps database, open for reading. The copy is
// deleted when the object goes, after its connection has been closed; the backup is only read.
class AppleMapsDatabaseCopy final {
public:
    explicit AppleMapsDatabaseCopy(const boost::filesystem::path& descriptorPath);

    cmn::db::SqLiteDbAdapter& Adapter() { return m_adapter; }
    // UTF-8 once the plug-in has set up the path encoding.
    std::string Path() const { return m_copy.GetPath().string(); }

private:
    // Declared first so that it outlives the connection.
    ulq::cmn::TempFileWrapper m_copy;
    cmn::db::SqLiteDbAdapter m_adapter;
};

} // namespace appleMaps
