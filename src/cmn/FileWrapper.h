#pragma once

#include <boost/filesystem/path.hpp>

#include <cstdio>

namespace ulq::cmn {

// Owns a C stream opened from a wide path and closes it when destroyed.
class FileWrapper final {
public:
    FileWrapper() = default;
    ~FileWrapper();

    FileWrapper(const FileWrapper&) = delete;
    FileWrapper& operator=(const FileWrapper&) = delete;

    // Opens `path` with a C runtime mode such as L"rb", closing any stream held before.
    // Throws FileSystemException "Can't open file %1".
    void InitFile(const boost::filesystem::path& path, const wchar_t* mode);

    std::FILE* Get() const { return m_file; }

private:
    void Close();

    std::FILE* m_file = nullptr;
};

} // namespace ulq::cmn
