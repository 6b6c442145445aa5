#pragma once

#include "BaseException.h"

#include <string>

namespace ulq::cmn {

class FileSystemException : public ::cmn::BaseException {
public:
    FileSystemException(const ::cmn::SourceLocation& location, const std::string& userText,
                        const std::wstring& path, const std::string& logText = {})
        : BaseException(location, 0, userText, logText)
        , m_path(path)
    {
    }

    const std::wstring& GetPath() const { return m_path; }

private:
    std::wstring m_path;
};

// A file-system failure that must stop the caller (for example a full disk).
class FileSystemCriticalException : public FileSystemException {
public:
    using FileSystemException::FileSystemException;
};

} // namespace ulq::cmn
