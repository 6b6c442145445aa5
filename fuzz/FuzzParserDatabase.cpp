#include "CryptLog/log/Logger.h"
#include "CryptLog/log/Severity.h"
#include "sample/SampleBackup.h"
#include "sample/SampleDescriptor.h"
#include "appleMaps/parser/iCloudSyncAppleMapsParserFactory.h"
#include "appleMaps/records/IAppleMapsParser.h"
#include "cmn/BaseException.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"

#include <spdlog/sinks/null_sink.h>

#include <boost/filesystem/fstream.hpp>
#include <boost/filesystem/operations.hpp>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

namespace {

namespace fs = boost::filesystem;

// A backup whose descriptor is written once and whose database each input replaces, with the
// parser's temporary copies kept in a folder of its own. Removed when the fuzzer exits.
class BackupFolder final {
public:
    BackupFolder()
        : m_path(Base() / fs::unique_path("maps-fuzz-%%%%-%%%%"))
    {
        ulq::cmn::utils::ImbueUtf8PathConversion();
        fs::create_directories(Database().parent_path());
        fs::create_directories(TempFolder());
        ulq::cmn::utils::SetTempFolder(TempFolder());
        const QByteArray descriptor = host::sample::DescriptorXml(
            host::sample::MakeSampleDescriptor(1, host::sample::kDatabaseRelativePath));
        fs::ofstream(Descriptor(), std::ios::binary).write(descriptor.constData(), descriptor.size());
        // Verbose logging, thrown away, so that the log texts are built from the fuzzed values too.
        CryptLog::Logger::Instance().Create(CryptLog::Verbose, std::make_shared<spdlog::sinks::null_sink_mt>());
    }
    ~BackupFolder()
    {
        boost::system::error_code ignored;
        fs::remove_all(m_path, ignored);
    }

    fs::path Descriptor() const { return m_path / host::sample::kDescriptorFileName; }
    fs::path Database() const { return m_path / host::sample::kDatabaseRelativePath; }
    fs::path TempFolder() const { return m_path / "temp"; }

private:
    // tmpfs where there is one: every run flushes its copy, which is slow on a disk.
    static fs::path Base()
    {
        const fs::path memory("/dev/shm");
        return fs::is_directory(memory) ? memory : fs::temp_directory_path();
    }

    fs::path m_path;
};

// As the plug-in does it: the factories for the descriptor, the parser of the first that
// accepts it, the size, then the records.
void ParseLikeThePlugIn(const fs::path& descriptor)
{
    for (const auto& factory : appleMaps::MakeAppleMapsParserFactories(descriptor)) {
        if (!factory->AcceptsDataPath(descriptor))
            continue;
        const std::unique_ptr<appleMaps::IAppleMapsParser> parser = factory->CreateParser(descriptor);
        if (!parser)
            return;
        try {
            parser->GetDataSize();
        } catch (const cmn::BaseException&) {
        }
        appleMaps::AppleMapsRecords records;
        try {
            parser->Parse(records);
        } catch (const cmn::BaseException&) {
        }
        return;
    }
}

} // namespace

// The input is the Apple Maps database of a backup. Failures must be the reported exceptions;
// afterwards the backup's database must be as it was and the temporary copy gone, whatever happened.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const BackupFolder backup;
    const std::string input(reinterpret_cast<const char*>(data), size);
    fs::ofstream(backup.Database(), std::ios::binary | std::ios::trunc) << input;
    ParseLikeThePlugIn(backup.Descriptor());
    std::ostringstream database;
    database << fs::ifstream(backup.Database(), std::ios::binary).rdbuf();
    if (database.str() != input || !fs::is_empty(backup.TempFolder()))
        std::abort();
    return 0;
}
