#include "TempFolder.h"

#include "AppFolders.h"
#include "PathEncoding.h"

#include <boost/filesystem/operations.hpp>

#include <QCoreApplication>

#include <mutex>

namespace ulq::cmn::utils {
namespace {

struct TempFolderState {
    std::mutex mutex;
    boost::filesystem::path folder;
};

TempFolderState& State()
{
    static TempFolderState state;
    return state;
}

} // namespace

void SetTempFolder(const boost::filesystem::path& folder)
{
    TempFolderState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.folder = folder;
}

boost::filesystem::path GetTempFolder()
{
    TempFolderState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    // Resolved once, so that a missing "appdata" is logged once rather than on every copy.
    if (state.folder.empty())
        state.folder = GetAppTempPath();
    return state.folder;
}

boost::filesystem::path MakeUniqueTempPath()
{
    return GetTempFolder() / boost::filesystem::unique_path(L"%%%%-%%%%-%%%%-%%%%");
}

const std::string& GetTempFolderFullMessage()
{
    static const std::string message =
        (QCoreApplication::translate("cmn", "Not enough free space in temporary folder: ")
         + PathToQString(GetTempFolder()))
            .toStdString();
    return message;
}

} // namespace ulq::cmn::utils
