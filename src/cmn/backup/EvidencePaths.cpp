#include "EvidencePaths.h"

#include "DescriptorText.h"

#include "cmn/PathEncoding.h"
#include "cmn/plist/PlistFile.h"

#include <boost/filesystem/operations.hpp>

#include <QCoreApplication>
#include <QDir>

#include <tinyxml.h>

#include <exception>
#include <vector>

namespace cmn {

namespace fs = boost::filesystem;

namespace {

// As many links in a row as the system follows before it gives up.
constexpr int kMaxLinkHops = 40;

// SQLite's companions of a database: writing one of them changes what the database holds.
constexpr const char* kDatabaseCompanions[] = {"", "-wal", "-shm", "-journal"};

// The same file under two names (a hard link, a bind mount) counts as the same file.
bool SameFile(const fs::path& resolved, const fs::path& other)
{
    boost::system::error_code error;
    return resolved == other || fs::equivalent(resolved, other, error);
}

// The descriptor and every database its categories name, with their companions, resolved. A
// descriptor that cannot be read names no database.
std::vector<fs::path> EvidenceFiles(const fs::path& descriptorPath)
{
    std::vector<fs::path> files{ResolvedPath(descriptorPath)};
    TiXmlDocument document;
    try {
        ulq::cmn::OpenPlistFile(descriptorPath, document);
    } catch (const std::exception&) {
        return files;
    }
    const TiXmlElement* backup = document.FirstChildElement("Backup");
    const TiXmlElement* categories = backup ? backup->FirstChildElement("Categories") : nullptr;
    for (; categories; categories = categories->NextSiblingElement("Categories")) {
        for (const TiXmlElement* category = categories->FirstChildElement("Category"); category;
             category = category->NextSiblingElement("Category")) {
            const char* database = details::ChildText(*category, "Database");
            if (!database || !*database)
                continue;
            const fs::path path = descriptorPath.parent_path() / details::PathFromUtf8(database);
            for (const char* companion : kDatabaseCompanions)
                files.push_back(ResolvedPath(fs::path(path).concat(companion)));
        }
    }
    return files;
}

} // namespace

fs::path ResolvedPath(const fs::path& path)
{
    boost::system::error_code error;
    fs::path resolved = fs::absolute(path);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        if (!fs::is_symlink(fs::symlink_status(resolved, error)) || fs::exists(fs::status(resolved, error)))
            break;
        const fs::path target = fs::read_symlink(resolved, error);
        if (error)
            break;
        resolved = target.is_absolute() ? target : resolved.parent_path() / target;
    }
    const fs::path canonical = fs::weakly_canonical(resolved, error);
    return error ? resolved.lexically_normal() : canonical;
}

bool LiesInside(const fs::path& path, const fs::path& folder)
{
    const fs::path resolvedFolder = ResolvedPath(folder);
    for (fs::path ancestor = ResolvedPath(path); !ancestor.empty(); ancestor = ancestor.parent_path()) {
        if (SameFile(ancestor, resolvedFolder))
            return true;
        if (ancestor == ancestor.root_path())
            break;
    }
    return false;
}

QString ExportTargetRefusal(const fs::path& target, const fs::path& descriptorPath)
{
    const QString targetText = QDir::toNativeSeparators(ulq::cmn::utils::PathToQString(target));
    const fs::path backupFolder = fs::absolute(descriptorPath).parent_path();
    if (LiesInside(target, backupFolder)) {
        return QCoreApplication::translate("cmn", "%1 lies inside the opened backup %2, which is evidence and is "
                                                  "never written. Choose a place outside it.")
            .arg(targetText, QDir::toNativeSeparators(ulq::cmn::utils::PathToQString(ResolvedPath(backupFolder))));
    }
    const fs::path resolvedTarget = ResolvedPath(target);
    for (const fs::path& evidence : EvidenceFiles(descriptorPath)) {
        if (SameFile(resolvedTarget, evidence)) {
            return QCoreApplication::translate("cmn", "%1 is %2, a file of the opened backup, which is evidence and "
                                                      "is never written. Choose another file.")
                .arg(targetText, QDir::toNativeSeparators(ulq::cmn::utils::PathToQString(evidence)));
        }
    }
    return {};
}

} // namespace cmn
