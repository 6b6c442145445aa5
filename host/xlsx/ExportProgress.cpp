#include "ExportProgress.h"

namespace host::xlsx {

ExportProgress::ExportProgress(Observer observer)
    : m_observer(std::move(observer))
{
}

void ExportProgress::SetCaption(const QString& /*caption*/)
{
}

bool ExportProgress::IsCancelled() const
{
    return false;
}

std::uint64_t ExportProgress::GetTotal() const
{
    return m_total;
}

void ExportProgress::SetTotal(std::uint64_t total)
{
    m_total = total;
}

std::uint64_t ExportProgress::GetCurrent() const
{
    return m_current;
}

void ExportProgress::SetCurrent(std::uint64_t current)
{
    m_current = current;
    if (m_observer)
        m_observer(current, m_total);
}

void ExportProgress::AddFailedCategory(const QString& category)
{
    m_failedCategories << category;
}

QStringList ExportProgress::FailedCategories() const
{
    return m_failedCategories;
}

} // namespace host::xlsx
