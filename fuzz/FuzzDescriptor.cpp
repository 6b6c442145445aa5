#include "cmn/BaseException.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"
#include "cmn/backup/BackupDescriptor.h"
#include "cmn/backup/ICloudSyncedLocation.h"

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/operations.hpp>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

namespace fs = boost::filesystem;

// A private folder for the descriptor, removed when the fuzzer exits.
class WorkFolder final {
public:
    WorkFolder()
        : m_path(fs::temp_directory_path() / fs::unique_path("maps-fuzz-%%%%-%%%%"))
    {
        ulq::cmn::utils::ImbueUtf8PathConversion();
        fs::create_directories(m_path / "temp");
        ulq::cmn::utils::SetTempFolder(m_path / "temp");
    }
    ~WorkFolder()
    {
        boost::system::error_code ignored;
        fs::remove_all(m_path, ignored);
    }

    fs::path Descriptor() const { return m_path / "icloud_synced.xml"; }

private:
    fs::path m_path;
};

template <typename Call>
void IgnoringReportedFailures(Call&& call)
{
    try {
        call();
    } catch (const cmn::BaseException&) {
    }
}

} // namespace

// The descriptor as the plug-in reads it: version, category version, database location (without
// the copy, which would read whatever file the input names) and backup identifier. Failures
// must be the reported exceptions, nothing else.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const WorkFolder folder;
    const fs::path descriptor = folder.Descriptor();
    {
        fs::ofstream file(descriptor, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    IgnoringReportedFailures([&] { cmn::GetBackupVersion(descriptor); });
    IgnoringReportedFailures([&] { cmn::utils::VerifyISyncCategoryVersion(descriptor, "AppleMaps", 5); });
    IgnoringReportedFailures([&] { cmn::ResolveICloudSyncedDb(descriptor, "AppleMaps", false); });
    IgnoringReportedFailures([&] { cmn::GetBackupId(descriptor); });
    return 0;
}
