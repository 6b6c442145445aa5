#pragma once

#include "exportReport/interfaces/IExportProgress.h"

#include <QStringList>

#include <functional>

namespace host::xlsx {

// The host's progress sink of one report export, used on the thread that runs it. It offers no
// cancelling and shows no caption.
class ExportProgress final : public exportReport::IExportProgress {
public:
    // Called with the current record index and the total on every step.
    using Observer = std::function<void(std::uint64_t current, std::uint64_t total)>;

    explicit ExportProgress(Observer observer = {});

    void SetCaption(const QString& caption) override;
    bool IsCancelled() const override;
    std::uint64_t GetTotal() const override;
    void SetTotal(std::uint64_t total) override;
    std::uint64_t GetCurrent() const override;
    void SetCurrent(std::uint64_t current) override;
    void AddFailedCategory(const QString& category) override;

    QStringList FailedCategories() const;

private:
    Observer m_observer;
    std::uint64_t m_total = 0;
    std::uint64_t m_current = 0;
    QStringList m_failedCategories;
};

} // namespace host::xlsx
