#include "ExportUtils.h"

#include "exportReport/interfaces/IExportProgress.h"
#include "exportReport/interfaces/ITableExport.h"

#include "CryptLog/log/Log.h"
#include "cmn/CommonExceptions.h"
#include "cmn/ErrorCode.h"
#include "cmn/SystemErrorException.h"
#include "cmn/TempFolder.h"
#include "cmn/text/DateTimeText.h"

#include <QCoreApplication>

namespace exportReport::utils {
namespace {

// "Unable to write file": with "no free space" the codes that a full disk raises.
constexpr std::uint32_t UnableToWriteFile = 53;

} // namespace

std::vector<std::size_t> FilterContainer(viewers::gui::IFilter* filter, std::size_t count)
{
    std::vector<std::size_t> accepted;
    if (!filter) {
        LOG_ERROR << "Invalid filter specified.";
        return accepted;
    }
    for (std::size_t index = 0; index < count; ++index) {
        if (filter->AcceptsRow(static_cast<int>(index)))
            accepted.push_back(index);
    }
    return accepted;
}

bool IsInDateRange(const QDateTime& lower, const QDateTime& upper, const QDateTime& time)
{
    const bool hasLower = lower.isValid();
    const bool hasUpper = upper.isValid();
    if (!hasLower && !hasUpper)
        return true;
    if (hasLower && hasUpper)
        return (lower <= time && time < upper) || (time == lower && time == upper);
    if (hasLower)
        return time >= lower;
    return time < upper;
}

void AddColumns(const std::vector<ColumnDefinition>& columns, ITableExport& table)
{
    for (const ColumnDefinition& column : columns)
        table.AddColumn(column.caption, column.width);
}

void StepProgress(IExportProgress* progress, std::uint64_t& counter)
{
    if (progress)
        progress->SetCurrent(counter++);
}

void SetDateCell(const std::string& caption, const QDateTime& time, ITableExport& table)
{
    if (time.isValid())
        table.SetCell(caption, pluginGui::DateTimeText(time).toStdString());
}

void ReportExportedCount(std::uint64_t exported, std::uint64_t total, const std::shared_ptr<ITableExport>& table)
{
    if (table) {
        table->AddSummary(
            QCoreApplication::translate("cmn", "Exported %1 entries out of %2.").arg(exported).arg(total).toStdString());
    }
}

void LogExportError(const std::string& categoryName, const std::string& message, IExportProgress* progress)
{
    LOG_ERROR << categoryName << " data was not exported: " << message;
    if (progress)
        progress->AddFailedCategory(QCoreApplication::translate("cmn", categoryName.c_str()));
}

void ProcessExportSystemError(const cmn::SystemErrorException& exception)
{
    const std::uint32_t code = cmn::CodeOf(exception.GetErrorCode());
    if (code != UnableToWriteFile && code != cmn::NoFreeSpace)
        return;
    LOG_ERROR << exception.GetLogText();
    throw ulq::cmn::CommonException(CMN_SOURCE_LOCATION, ulq::cmn::utils::GetTempFolderFullMessage());
}

} // namespace exportReport::utils
