#include "PlugInBase.h"

#include "core/JournalPlugInLoader.h"
#include "core/interfaces/IJournal.h"
#include "core/interfaces/IStopFlag.h"

#include "CryptLog/InitLogger.h"
#include "CryptLog/log/Log.h"
#include "cmn/CommonExceptions.h"
#include "cmn/FileSystemException.h"
#include "cmn/PathEncoding.h"
#include "cmn/TempFolder.h"
#include "cmn/db/SqlException.h"

#include <QCoreApplication>
#include <QMutexLocker>

#include <boost/date_time/posix_time/conversion.hpp>
#include <boost/filesystem/operations.hpp>

#include <spdlog/sinks/sink.h>

namespace core {
namespace {

const char kDatabaseIsEmpty[] = "database is empty";

boost::posix_time::ptime ParentModificationTime(const QString& path)
{
    const boost::filesystem::path parent = boost::filesystem::path(path.toStdWString()).parent_path();
    boost::system::error_code error;
    if (parent.empty() || !boost::filesystem::exists(parent, error))
        return {};
    const std::time_t time = boost::filesystem::last_write_time(parent, error);
    return error ? boost::posix_time::ptime() : boost::posix_time::from_time_t(time);
}

bool MentionsEmptyDatabase(const cmn::BaseException& exception)
{
    return exception.GetUserText().find(kDatabaseIsEmpty) != std::string::npos;
}

} // namespace

PlugInBase::PlugInBase(const PlugInVersion& version)
    : m_journal(GetJournalPlugIn())
    , m_version(version)
{
}

PlugInBase::~PlugInBase() = default;

const PlugInVersion& PlugInBase::GetVersion() const
{
    return m_version;
}

void PlugInBase::SetDataPath(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    const boost::posix_time::ptime timeStamp = ParentModificationTime(path);
    m_upToDate = path == m_dataPath && timeStamp == m_dataTimeStamp && !IsDataEmpty() && !m_stopped;
    if (m_upToDate)
        return;
    m_dataPath = path;
    m_dataTimeStamp = timeStamp;
    m_stopped = false;
    CreateParser(m_dataPath);
}

void PlugInBase::Parse()
{
    QMutexLocker lock(&m_mutex);
    try {
        m_logPrefix = QString("[%1]: ").arg(GetName());
        LOG_INFO << "parsing started.";
        // The size is asked last: an up-to-date category is not even measured again.
        if ((!m_upToDate || IsDataEmpty()) && GetCategoryDataSize() != 0) {
            AddInfo(QCoreApplication::translate("cmn", "Parsing %1 started.").arg(GetName()));
            ParseData(m_dataPath);
            m_upToDate = true;
            m_stopped = IsStopRequested();
            // A stopped parse extracted nothing that counts; its records are not kept.
            AddInfo(m_stopped
                        ? QCoreApplication::translate("cmn", "Parsing %1 stopped.").arg(GetName())
                        : QCoreApplication::translate("cmn", "%1 records extracted.").arg(GetCategoryDataSize()));
        }
        LOG_INFO << "parsing successfully finished.";
    } catch (...) {
        ReportParseFailure();
        throw;
    }
}

// Called from inside a catch block: rethrows the current exception to sort it by type.
void PlugInBase::ReportParseFailure()
{
    try {
        throw;
    } catch (const ulq::cmn::FileSystemException& exception) {
        AddBaseExceptionWarning(exception.GetLogText(), exception.GetUserText());
    } catch (const cmn::PlugInCommonException& exception) {
        if (MentionsEmptyDatabase(exception))
            AddBaseExceptionWarning(exception.GetLogText(), exception.GetUserText());
        else
            AddBaseExceptionError(exception.GetLogText(), exception.GetUserText());
    } catch (const cmn::db::SqlException& exception) {
        if (MentionsEmptyDatabase(exception))
            AddBaseExceptionWarning(exception.GetLogText(), exception.GetUserText());
        else
            AddBaseExceptionError(exception.GetLogText(), exception.GetUserText());
    } catch (const ulq::cmn::CommonException& exception) {
        AddBaseExceptionError(
            QCoreApplication::translate("cmn", "Error occurred while parsing the %1 data.").arg(GetName()).toStdString(),
            exception.GetUserText());
    } catch (const cmn::BaseException& exception) {
        AddBaseExceptionError(exception.GetLogText(), exception.GetUserText());
    } catch (const std::exception& exception) {
        AddExceptionError(QCoreApplication::translate("cmn", "Error occurred while parsing %1.").arg(GetName()),
                          exception);
    } catch (...) {
        // Not ours to describe; the host still gets it.
    }
}

bool PlugInBase::IsSupported() const
{
    return true;
}

ICategoryPlugIn* PlugInBase::GetCategoryPlugIn()
{
    return HasParser() ? this : nullptr;
}

void PlugInBase::CreateView()
{
    if (!HasParser())
        return;
    try {
        if (GetCategoryDataSize() != 0)
            CreateDataView();
        else
            CreateEmptyView();
    } catch (const std::exception& exception) {
        AddExceptionError(QCoreApplication::translate("cmn", "Error occurred while creating view %1.").arg(GetName()),
                          exception);
        CreateEmptyView();
    }
}

void PlugInBase::InitLogging(spdlog::sinks::sink* hostAppender)
{
    ulq::cmn::utils::ImbueUtf8PathConversion();
    // The host keeps its appender for the life of the process.
    const spdlog::sink_ptr appender = hostAppender ? spdlog::sink_ptr(hostAppender, [](spdlog::sinks::sink*) {})
                                                   : spdlog::sink_ptr();
    CryptLog::InitLogger(m_version, GetName().toStdString(), appender);
}

bool PlugInBase::IsActive() const
{
    return true;
}

std::uint64_t PlugInBase::GetDataSize(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    DetachView();
    const bool upToDate = m_upToDate;
    std::uint64_t size = 0;
    try {
        CreateParser(path);
        size = GetCategoryDataSize();
    } catch (const std::exception& exception) {
        AddExceptionError(
            QCoreApplication::translate("cmn", "Error occurred while getting category size %1.").arg(GetName()),
            exception);
        size = 0;
    }
    m_upToDate = upToDate;
    CreateParser(m_dataPath);
    return size;
}

void PlugInBase::SetStopFlag(IStopFlag* stopFlag)
{
    m_stopFlag = stopFlag;
}

bool PlugInBase::IsStopRequested() const
{
    return m_stopFlag && m_stopFlag->IsStopped();
}

void PlugInBase::SetTempPath(const std::wstring& path)
{
    ulq::cmn::utils::SetTempFolder(boost::filesystem::path(path));
}

void PlugInBase::Notify(void* /*data*/)
{
}

void PlugInBase::SetViewCallback(ViewCallback callback)
{
    m_viewCallback = std::move(callback);
}

void PlugInBase::AddBaseExceptionError(const std::string& logText, const std::string& userText)
{
    LOG_ERROR << m_logPrefix << logText;
    if (m_journal)
        m_journal->AddError(m_logPrefix + QString::fromStdString(userText));
}

void PlugInBase::AddBaseExceptionWarning(const std::string& logText, const std::string& userText)
{
    LOG_ERROR << m_logPrefix << logText;
    if (m_journal)
        m_journal->AddWarning(m_logPrefix + QString::fromStdString(userText));
}

void PlugInBase::AddExceptionError(const QString& text, const std::exception& exception)
{
    LOG_ERROR << exception.what();
    if (m_journal)
        m_journal->AddError(m_logPrefix + text);
}

void PlugInBase::AddInfo(const QString& text)
{
    LOG_INFO << m_logPrefix << text;
    if (m_journal)
        m_journal->AddInfo(m_logPrefix + text);
}

} // namespace core
