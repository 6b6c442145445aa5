#pragma once

#include <QString>

#include <cstdint>

namespace exportReport {

// Where a plug-in reports how far the report export has got, and which categories failed. The
// slot order is part of the binary contract with the host.
class IExportProgress {
public:
    virtual ~IExportProgress() = default;

    // What is being exported, for the host's progress display.
    virtual void SetCaption(const QString& caption) = 0;
    virtual bool IsCancelled() const = 0;
    virtual std::uint64_t GetTotal() const = 0;
    virtual void SetTotal(std::uint64_t total) = 0;
    virtual std::uint64_t GetCurrent() const = 0;
    // The index of the record just processed.
    virtual void SetCurrent(std::uint64_t current) = 0;
    // A category whose data did not make it into the report, in the user's language.
    virtual void AddFailedCategory(const QString& category) = 0;
};

} // namespace exportReport
