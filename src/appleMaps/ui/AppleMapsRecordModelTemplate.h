#pragma once

#include "AppleMapsModelBase.h"
#include "RecordMetaTypes.h"

#include <cstddef>
#include <vector>

namespace appleMaps::ui {

constexpr int NoAddressColumn = -1;

// What the four models share beyond the base: the record vector and every role but the display
// role, which the concrete model answers per column.
template <typename Record, int AddressColumn>
class AppleMapsRecordModelTemplate : public AppleMapsModelBase {
public:
    // records: not owned; must outlive the model and stay unchanged while it exists.
    template <std::size_t ColumnCount>
    AppleMapsRecordModelTemplate(QObject* parent, const std::vector<Record>* records,
                                 const char* const (&headers)[ColumnCount])
        : AppleMapsModelBase(parent, headers)
        , m_records(records)
    {
    }

    // A flat table: records have no children (the model testers and proxies rely on that).
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_records->size());
    }

protected:
    // Null for an invalid index or a row past the records.
    const Record* RecordAt(const QModelIndex& index) const
    {
        if (!index.isValid() || index.row() < 0 || static_cast<std::size_t>(index.row()) >= m_records->size())
            return nullptr;
        return &(*m_records)[static_cast<std::size_t>(index.row())];
    }

    // The value of any role other than the display role.
    QVariant NonDisplayValue(const Record& record, int column, int role) const
    {
        switch (role) {
        case Qt::InitialSortOrderRole:
        case StoredDateRole:
            return column == 0 ? QVariant(record.timestamp) : PointerCell(record);
        case Qt::UserRole:
            if constexpr (AddressColumn != NoAddressColumn) {
                if (column == AddressColumn)
                    return record.addresses.empty() ? QVariant() : PointerCell(record.addresses.front());
            }
            return PointerCell(record);
        case RecordRole:
            return PointerCell(record);
        default:
            return {};
        }
    }

private:
    const std::vector<Record>* m_records;
};

} // namespace appleMaps::ui
