#include "TempFileWrapper.h"

#include "LongPath.h"
#include "PathEncoding.h"

#include "CryptLog/log/Log.h"

#include <boost/filesystem/operations.hpp>

#include <utility>

namespace ulq::cmn {

TempFileWrapper::TempFileWrapper(boost::filesystem::path path)
    : m_path(std::move(path))
{
}

TempFileWrapper::~TempFileWrapper()
{
    RemoveFile();
}

TempFileWrapper::TempFileWrapper(TempFileWrapper&& other) noexcept
    : m_path(std::move(other.m_path))
{
    other.m_path.clear();
}

TempFileWrapper& TempFileWrapper::operator=(TempFileWrapper&& other) noexcept
{
    if (this != &other) {
        RemoveFile();
        m_path = std::move(other.m_path);
        other.m_path.clear();
    }
    return *this;
}

void TempFileWrapper::RemoveFile() noexcept
{
    if (m_path.empty())
        return;
    try {
        boost::system::error_code error;
        boost::filesystem::remove(utils::ApplyLongPathForm(m_path), error);
        if (error) {
            LOG_DEBUG << "Can't delete temporary file " << utils::PathToUtf8(m_path) << ": " << error.message();
        }
    } catch (...) {
        // Only allocation or path conversion can get here; a leftover temporary file is harmless.
    }
}

} // namespace ulq::cmn
