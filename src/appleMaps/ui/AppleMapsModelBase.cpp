#include "AppleMapsModelBase.h"

#include "RecordMetaTypes.h"

#include "cmn/text/AddressText.h"

#include <QCoreApplication>
#include <QDateTime>

namespace appleMaps::ui {

AppleMapsModelBase::AppleMapsModelBase(QObject* parent, const char* const* headers, int columnCount)
    : QAbstractTableModel(parent)
    , m_headers(headers)
    , m_columnCount(columnCount)
{
    RegisterRecordMetaTypes();
}

int AppleMapsModelBase::columnCount(const QModelIndex&) const
{
    return m_columnCount;
}

QVariant AppleMapsModelBase::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section < 0 || section >= m_columnCount)
        return QString();
    return QCoreApplication::translate("cmn", m_headers[section]);
}

void AppleMapsModelBase::SetTimeZone(const QTimeZone& zone)
{
    m_timeZone = zone;
}

QDateTime AppleMapsModelBase::DisplayDate(const QDateTime& stored) const
{
    // Reading the zone database per cell would be slow; a later change of the machine's zone is
    // deliberately not followed.
    static const QTimeZone systemZone = QTimeZone::systemTimeZone();
    return stored.toTimeZone(m_timeZone.isValid() ? m_timeZone : systemZone);
}

QVariant AppleMapsModelBase::FirstAddressText(const std::vector<cmn::Address>& addresses)
{
    if (addresses.empty())
        return {};
    return cmn::OneLineAddressText(addresses.front());
}

} // namespace appleMaps::ui
