#pragma once

#include "cmn/Address.h"

#include <QDateTime>
#include <QString>

#include <vector>

class QStandardItemModel;

namespace demo {

struct DemoPlace {
    QString name;
    cmn::Address address;
    QDateTime created;
    QString mapLink;
};

enum DemoColumn { NameColumn, AddressColumn, CreatedColumn, LinkColumn, ColumnCount };

// Favourites of a made-up case, with one address still being resolved, one unavailable and one
// record without a date.
std::vector<DemoPlace> MakeDemoPlaces();

// Rows over places, which must outlive the model: the address cells point into them.
void FillModel(QStandardItemModel& model, const std::vector<DemoPlace>& places);

} // namespace demo
