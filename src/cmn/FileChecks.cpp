#include "FileChecks.h"

#include "FileErrorTexts.h"
#include "LongPath.h"
#include "PathEncoding.h"
#include "cmn/platform/Platform.h"

#include "CryptLog/log/Log.h"

#include <boost/filesystem/operations.hpp>

#include <QCoreApplication>

namespace ulq::cmn::utils {

using details::FileErrorTexts;
using details::ThrowFileError;

namespace fs = boost::filesystem;

bool CheckFileExists(const fs::path& path, bool throwIfMissing)
{
    boost::system::error_code error;
    const fs::file_type type = fs::status(ApplyLongPathForm(path), error).type();
    if (type != fs::file_not_found && type != fs::status_error)
        return true;
    if (throwIfMissing) {
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "File does not exist:"))
                           .LogOnly(" " + PathToUtf8(path)),
                       path);
    }
    return false;
}

void CheckFilePermissions(const fs::path& path, unsigned accessFlags)
{
    const unsigned knownFlags = FileAccessRead | FileAccessWrite | FileAccessExecute;
    if ((accessFlags & knownFlags) == 0) {
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "Invalid file permissions."))
                           .LogOnly(" Path: " + PathToUtf8(path)),
                       path);
    }
    if (!::cmn::platform::CanOpenWithAccess(ApplyLongPathForm(path), accessFlags & knownFlags)) {
        throw FileSystemException(
            CMN_SOURCE_LOCATION,
            QCoreApplication::translate("cmn", "Please check that you have enough permissions to access.")
                .toStdString(),
            PathToQString(path).toStdWString(), "Not enough permissions to access.");
    }
}

bool CheckDiskFreeSpace(const fs::path& path, std::uint64_t requiredBytes, bool throwIfShort)
{
    const fs::path longPath = ApplyLongPathForm(path);
    boost::system::error_code error;
    fs::path folder = fs::is_directory(longPath, error) ? longPath : longPath.parent_path();
    if (folder.empty())
        folder = fs::path(".");
    const fs::space_info space = fs::space(folder, error);
    if (error) {
        LOG_DEBUG << "Can't query the space of " << PathToUtf8(folder) << ": " << error.message();
    }
    const std::uint64_t available = error ? 0 : static_cast<std::uint64_t>(space.available);
    if (available > requiredBytes)
        return true;
    if (throwIfShort) {
        ThrowFileError<FileSystemCriticalException>(
            CMN_SOURCE_LOCATION,
            FileErrorTexts()
                .Translatable(QT_TRANSLATE_NOOP("cmn", "Not enough space on the disk. Path: "))
                .Verbatim(PathToUtf8(path)),
            path);
    }
    return false;
}

void TryToOpenFile(const fs::path& path)
{
    std::FILE* file = ::cmn::platform::OpenFile(ApplyLongPathForm(path), L"rb");
    if (!file) {
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "Could not open file."))
                           .LogOnly(" Path: " + PathToUtf8(path)),
                       path);
    }
    std::fclose(file);
}

std::uint64_t GetFileSize(const fs::path& path)
{
    boost::system::error_code error;
    const std::uintmax_t size = fs::file_size(ApplyLongPathForm(path), error);
    if (error) {
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "Can't get file size: %1"), PathToQString(path))
                           .LogOnly(". Filesystem error: " + error.message()),
                       path);
    }
    return size;
}

} // namespace ulq::cmn::utils
