#pragma once

#include "core/interfaces/ICategoryPlugIn.h"
#include "core/interfaces/IPlugInBase.h"

#include <QMutex>
#include <QString>

#include <boost/date_time/posix_time/ptime.hpp>

#include <exception>
#include <string>

namespace core {

class IJournal;

// The shared life cycle of a category plug-in: data path, parse decision, error journal.
// SetDataPath, Parse and GetDataSize come from host threads and are serialised by one
// non-recursive mutex; none of them calls another while holding it.
class PlugInBase : public IPlugInBase, public ICategoryPlugIn {
public:
    explicit PlugInBase(const PlugInVersion& version);
    ~PlugInBase() override;

    // IPlugInVersion
    const PlugInVersion& GetVersion() const override;

    // IPlugInBase
    void SetDataPath(const QString& path) override;
    void Parse() override;
    bool IsSupported() const override;
    ICategoryPlugIn* GetCategoryPlugIn() override;
    void CreateView() override;
    void InitLogging(spdlog::sinks::sink* hostAppender) override;
    bool IsActive() const override;
    std::uint64_t GetDataSize(const QString& path) override;
    void SetStopFlag(IStopFlag* stopFlag) override;
    void SetTempPath(const std::wstring& path) override;
    void Notify(void* data) override;
    void SetViewCallback(ViewCallback callback) override;

    // Each logs, then passes one text, prefixed with "[<category>]: ", to the host's journal.
    void AddBaseExceptionError(const std::string& logText, const std::string& userText);
    void AddBaseExceptionWarning(const std::string& logText, const std::string& userText);
    void AddExceptionError(const QString& text, const std::exception& exception);
    void AddInfo(const QString& text);

protected:
    const QString& GetDataPathValue() const { return m_dataPath; }
    bool IsUpToDate() const { return m_upToDate; }
    // The host's stop flag is raised; safe from any thread.
    bool IsStopRequested() const;

private:
    void ReportParseFailure();

    QString m_dataPath;
    bool m_upToDate = false;
    IJournal* m_journal = nullptr;
    QString m_logPrefix;
    PlugInVersion m_version;
    QMutex m_mutex;
    IStopFlag* m_stopFlag = nullptr;
    boost::posix_time::ptime m_dataTimeStamp;
    bool m_stopped = false;
    ViewCallback m_viewCallback;
};

} // namespace core
