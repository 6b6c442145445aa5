#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <vector>

namespace appleMaps::details {

// The earliest and the latest record time over everything parsed so far.
class DateRange final {
public:
    // A null time leaves the range as it is.
    void Widen(const QDateTime& time);

    template <typename Item>
    void Widen(const std::vector<Item>& items)
    {
        for (const Item& item : items)
            Widen(item.timestamp);
    }

    // In the system time zone; null while no record had a time.
    QDateTime Earliest() const;
    QDateTime Latest() const;

private:
    // Kept as instants: comparing times of the system zone would look up its offsets each time.
    qint64 m_earliest = 0;
    qint64 m_latest = 0;
    bool m_empty = true;
};

} // namespace appleMaps::details
