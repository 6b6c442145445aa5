#include "ICloudSyncedLocation.h"

#include "BackupDescriptor.h"
#include "DescriptorText.h"

#include "cmn/FileChecks.h"
#include "cmn/FileErrorTexts.h"
#include "cmn/FileOperations.h"
#include "cmn/LongPath.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"

#include "CryptLog/log/Log.h"

#include <boost/filesystem/operations.hpp>

#include <QCoreApplication>

#include <tinyxml.h>

namespace cmn {

namespace fs = boost::filesystem;
using ulq::cmn::utils::details::FileErrorTexts;
using ulq::cmn::utils::details::ThrowFileError;

namespace {

[[noreturn]] void ThrowDatabaseNotFound(const ::cmn::SourceLocation& location, const fs::path& descriptorPath,
                                        const std::string& categoryName, const FileErrorTexts& detail = {})
{
    ThrowFileError(location,
                   FileErrorTexts()
                       .Translatable(QT_TRANSLATE_NOOP("cmn", "Can't find database for "))
                       .Verbatim(categoryName)
                       .Translatable(QT_TRANSLATE_NOOP("cmn", " plugin in backup: "))
                       .LogOnly(ulq::cmn::utils::PathToUtf8(descriptorPath) + ": ")
                       .Append(detail),
                   descriptorPath);
}

// The copy failed for want of space, whatever error the system gave: once the partial copy is
// gone, the folder cannot hold the database.
bool IsShortOfSpace(const fs::path& folder, const fs::path& database)
{
    boost::system::error_code error;
    const std::uintmax_t size = fs::file_size(database, error);
    return !error && !ulq::cmn::utils::CheckDiskFreeSpace(folder, size, false);
}

} // namespace

fs::path ResolveICloudSyncedCategory(const fs::path& descriptorPath, const std::string& categoryName,
                                     const std::string& elementName)
{
    TiXmlDocument document;
    const TiXmlElement* category = FindCategory(descriptorPath, categoryName, document);
    const char* text = category ? details::ChildText(*category, elementName.c_str()) : nullptr;
    if (!text || !*text) {
        const std::string descriptorText = ulq::cmn::utils::PathToUtf8(descriptorPath);
        LOG_ERROR << "No " << elementName << " of category " << categoryName << " in " << descriptorText;
        ThrowFileError(CMN_SOURCE_LOCATION,
                       FileErrorTexts()
                           .Translatable(QT_TRANSLATE_NOOP("cmn", "Can't find file for "))
                           .Verbatim(categoryName)
                           .Translatable(QT_TRANSLATE_NOOP("cmn", " plugin in backup: "))
                           .LogOnly(descriptorText),
                       descriptorPath);
    }
    // Joined as written, ".." and all: whatever the entry names is only ever read.
    return descriptorPath.parent_path() / details::PathFromUtf8(text);
}

fs::path ResolveICloudSyncedDb(const fs::path& descriptorPath, const std::string& categoryName, bool makeCopy)
{
    const fs::path database = ResolveICloudSyncedCategory(descriptorPath, categoryName, "Database");
    if (database.empty())
        ThrowDatabaseNotFound(CMN_SOURCE_LOCATION, descriptorPath, categoryName);
    const fs::path longDatabase = ulq::cmn::utils::ApplyLongPathForm(database);
    if (!makeCopy)
        return longDatabase;

    const fs::path copy = ulq::cmn::utils::ApplyLongPathForm(ulq::cmn::utils::MakeUniqueTempPath());
    boost::system::error_code error;
    const fs::file_status status = fs::status(longDatabase, error);
    // A missing database is left missing: opening the copy path then yields an empty database,
    // whose first query names the missing table.
    if (!fs::exists(status))
        return copy;
    // Copying a device or a pipe that the entry names would never end.
    if (!fs::is_regular_file(status)) {
        ThrowDatabaseNotFound(CMN_SOURCE_LOCATION, descriptorPath, categoryName,
                              FileErrorTexts()
                                  .Verbatim(ulq::cmn::utils::PathToUtf8(database))
                                  .Translatable(QT_TRANSLATE_NOOP("cmn", " is not a regular file.")));
    }
    ulq::cmn::utils::CreateDirectoryImpl(copy.parent_path());
    try {
        ulq::cmn::utils::CopyFileW(longDatabase, copy);
    } catch (...) {
        // A copy cut short, by a full disk for one, is nobody's to delete but ours.
        fs::remove(copy, error);
        if (IsShortOfSpace(copy.parent_path(), longDatabase)) {
            throw ulq::cmn::FileSystemCriticalException(CMN_SOURCE_LOCATION,
                                                        ulq::cmn::utils::GetTempFolderFullMessage(),
                                                        ulq::cmn::utils::PathToQString(copy.parent_path()).toStdWString());
        }
        throw;
    }
    // The copy takes the permissions of the evidence, often read-only; the holder that deletes
    // it afterwards needs it writable (Windows will not delete a read-only file).
    fs::permissions(copy, fs::perms::owner_write | fs::perms::add_perms, error);
    if (error) {
        LOG_DEBUG << "Can't make " << ulq::cmn::utils::PathToUtf8(copy) << " writable: " << error.message();
    }
    return copy;
}

} // namespace cmn
