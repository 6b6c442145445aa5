#include "DateRange.h"

#include <QTimeZone>

#include <algorithm>

namespace appleMaps::details {
namespace {

QDateTime InSystemTimeZone(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, QTimeZone::systemTimeZone());
}

} // namespace

void DateRange::Widen(const QDateTime& time)
{
    if (time.isNull())
        return;
    const qint64 instant = time.toMSecsSinceEpoch();
    m_earliest = m_empty ? instant : std::min(m_earliest, instant);
    m_latest = m_empty ? instant : std::max(m_latest, instant);
    m_empty = false;
}

QDateTime DateRange::Earliest() const
{
    return m_empty ? QDateTime() : InSystemTimeZone(m_earliest);
}

QDateTime DateRange::Latest() const
{
    return m_empty ? QDateTime() : InSystemTimeZone(m_latest);
}

} // namespace appleMaps::details
