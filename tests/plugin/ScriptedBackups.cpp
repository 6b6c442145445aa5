#include "ScriptedBackups.h"

#include "cmn/filter/FilterContext.h"

namespace test {
namespace {

class ScriptedParser final : public appleMaps::IAppleMapsParser {
public:
    explicit ScriptedParser(std::shared_ptr<ScriptedBackup> backup)
        : m_backup(std::move(backup))
    {
    }

    bool IsDataChanged() override { return false; }

    std::uint64_t GetDataSize() override
    {
        if (m_backup->sizeFailure)
            m_backup->sizeFailure();
        return m_backup->size;
    }

    void Parse(appleMaps::AppleMapsRecords& records) override
    {
        ++m_backup->parseCalls;
        if (m_backup->parseFailure)
            m_backup->parseFailure();
        if (m_backup->fill)
            m_backup->fill(records);
    }

    cmn::filter::FilterContext& GetFilterContext(int kind) override { return m_contexts[kind]; }
    std::string GetBackupId() override { return "scripted"; }

private:
    std::shared_ptr<ScriptedBackup> m_backup;
    std::map<int, cmn::filter::FilterContext> m_contexts;
};

class ScriptedFactory final : public appleMaps::IAppleMapsParserFactory {
public:
    explicit ScriptedFactory(std::shared_ptr<ScriptedBackup> backup)
        : m_backup(std::move(backup))
    {
    }

    bool AcceptsDataPath(const boost::filesystem::path&) const override { return true; }

    std::unique_ptr<appleMaps::IAppleMapsParser> CreateParser(const boost::filesystem::path&) const override
    {
        return std::make_unique<ScriptedParser>(m_backup);
    }

private:
    std::shared_ptr<ScriptedBackup> m_backup;
};

} // namespace

ScriptedPlugIn::ScriptedPlugIn(ScriptedBackups backups)
    : m_backups(std::move(backups))
{
}

appleMaps::AppleMapsParserFactories ScriptedPlugIn::CreateParserFactories(const QString& path) const
{
    appleMaps::AppleMapsParserFactories factories;
    const auto backup = m_backups.find(path);
    if (backup != m_backups.end())
        factories.push_back(std::make_unique<ScriptedFactory>(backup->second));
    return factories;
}

} // namespace test
