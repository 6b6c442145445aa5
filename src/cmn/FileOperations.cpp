#include "FileOperations.h"

#include "FileChecks.h"
#include "FileErrorTexts.h"
#include "LongPath.h"
#include "PathEncoding.h"

#include "CryptLog/log/Log.h"

#include <boost/filesystem/operations.hpp>

#include <QCoreApplication>

#include <exception>

namespace ulq::cmn::utils {

using details::FileErrorTexts;
using details::ThrowFileError;

namespace fs = boost::filesystem;

namespace {

// The system's text of a failure; filesystem errors carry it in their code.
std::string SystemText(const std::exception& failure)
{
    if (const auto* fileSystemError = dynamic_cast<const fs::filesystem_error*>(&failure))
        return fileSystemError->code().message();
    return failure.what();
}

[[noreturn]] void ThrowCreateDirectoryError(const ::cmn::SourceLocation& location, const fs::path& path,
                                            const std::string& systemText)
{
    ThrowFileError(location,
                   FileErrorTexts()
                       .Translatable(QT_TRANSLATE_NOOP("cmn", "Can't create directory: "))
                       .Verbatim(PathToUtf8(path))
                       .LogOnly(". Filesystem error: " + systemText),
                   path);
}

} // namespace

void CopyFileW(const fs::path& source, const fs::path& destination)
{
    const std::string sourceText = PathToUtf8(source);
    const std::string destinationText = PathToUtf8(destination);
    // Sizes in UTF-16 units, as the wide paths count them on Windows.
    LOG_DEBUG << "pathSrc: " << sourceText << "(pathSrc size: " << PathToQString(source).size()
              << ") pathDst: " << destinationText << "(pathDst size: " << PathToQString(destination).size();
    try {
        fs::copy_file(ApplyLongPathForm(source), ApplyLongPathForm(destination),
                      fs::copy_options::overwrite_existing);
    } catch (const std::exception& failure) {
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "Can't copy file: "))
                           .Verbatim(sourceText)
                           .Translatable(QT_TRANSLATE_NOOP("cmn", " to "))
                           .Verbatim(destinationText)
                           .Translatable(QT_TRANSLATE_NOOP("cmn", ". Filesystem error: "))
                           .Verbatim(SystemText(failure)),
                       source);
    }
}

void CreateDirectoryImpl(const fs::path& path)
{
    boost::system::error_code error;
    try {
        fs::create_directories(ApplyLongPathForm(path), error);
    } catch (const std::exception& failure) {
        ThrowCreateDirectoryError(CMN_SOURCE_LOCATION, path, SystemText(failure));
    }
    if (error && error != boost::system::errc::file_exists && !CheckFileExists(path, false))
        ThrowCreateDirectoryError(CMN_SOURCE_LOCATION, path, error.message());
}

void DeleteItem(const fs::path& path)
{
    try {
        fs::remove_all(ApplyLongPathForm(path));
    } catch (const std::exception& failure) {
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "Can't delete folder: "))
                           .Verbatim(PathToUtf8(path))
                           .LogOnly(". Filesystem error: " + SystemText(failure)),
                       path);
    }
}

} // namespace ulq::cmn::utils
