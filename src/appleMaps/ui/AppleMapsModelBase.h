#pragma once

#include "cmn/Address.h"

#include <QAbstractTableModel>
#include <QTimeZone>
#include <QVariant>

#include <cstddef>
#include <vector>

class QDateTime;

namespace appleMaps::ui {

// The read-only table model of one record kind. Cells hand out pointers into the record vector
// (see RecordMetaTypes.h) or display values; only dates and address texts are built per call.
class AppleMapsModelBase : public QAbstractTableModel {
public:
    // Column 0: the record's stored date, unconverted (the info bar reads dates here); other
    // columns: the record pointer.
    static constexpr int StoredDateRole = Qt::UserRole + 1;
    // The record pointer, in every column.
    static constexpr int RecordRole = Qt::UserRole + 7;

    // headers: the untranslated header texts (context "cmn"), one per column; static storage.
    template <std::size_t ColumnCount>
    AppleMapsModelBase(QObject* parent, const char* const (&headers)[ColumnCount])
        : AppleMapsModelBase(parent, headers, static_cast<int>(ColumnCount))
    {
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The zone column 0 is shown in; an invalid zone means the system zone.
    void SetTimeZone(const QTimeZone& zone);

protected:
    // The date converted to the display zone.
    QDateTime DisplayDate(const QDateTime& stored) const;

    // The one-line text of the first address; invalid when there is none.
    static QVariant FirstAddressText(const std::vector<cmn::Address>& addresses);

    // A cell that points at a value of the record.
    template <typename T>
    static QVariant PointerCell(const T& value)
    {
        return QVariant::fromValue(&value);
    }

private:
    AppleMapsModelBase(QObject* parent, const char* const* headers, int columnCount);

    const char* const* m_headers;
    int m_columnCount;
    QTimeZone m_timeZone;
};

} // namespace appleMaps::ui
