#include "UiFixtures.h"

#include "support/TestRegistry.h"

#include "appleMaps/ui/AppleMapsModelBase.h"
#include "appleMaps/ui/RecordMetaTypes.h"

#include <QAbstractItemModelTester>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<cmn::Address>)

namespace {

using namespace appleMaps;

const QDateTime Stored(QDate(2021, 6, 1), QTime(22, 20), Qt::UTC);

// One filled record of each kind, fields in declaration order.
AppleMapsRecords FilledRecords()
{
    AppleMapsRecords records;
    records.bookmarks = {{Stored, "Title", {30.5, 50.25, 0.0}, "Phone", "Fax", "Url", "Places name",
                          {test::MakeAddress("Kyiv", "01001")}, {1.5, 2.5, 0.0}, {{3.0, 4.0, 0.0}, {5.0, 6.0, 0.0}},
                          "Place"}};
    records.querySearches = {{Stored, "Query", "Place text", {{1.0, 2.0, 0.0}, {3.0, 4.0, 0.0}}}};
    records.placeDisplays = {{Stored, {0.0, 7.0, 0.0}, "Phone", "Fax", "Url", "Name", {test::MakeAddress("Odesa")}}};
    records.directionSearches = {{Stored, "Walk", {1.0, 2.0, 0.0}, {3.0, 4.0, 0.0}, "Phone", "Fax", "Url", "Name",
                                  {test::MakeAddress("Lviv")}}};
    return records;
}

const void* RecordOf(int category, const AppleMapsRecords& records)
{
    const void* const first[] = {records.querySearches.data(), records.bookmarks.data(), records.placeDisplays.data(),
                                 records.directionSearches.data()};
    return first[category];
}

const void* PointerIn(const QVariant& value)
{
    return value.isValid() ? *static_cast<const void* const*>(value.constData()) : nullptr;
}

QString Headers(const QAbstractItemModel& model)
{
    QString headers;
    for (int section = 0; section < model.columnCount(); ++section)
        headers += model.headerData(section, Qt::Horizontal).toString() + '|';
    return headers;
}

} // namespace

class AppleMapsModelsTest : public QObject {
    Q_OBJECT

private slots:
    void columns_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("addressColumn");
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("cells");
        QTest::newRow("searches") << 0 << -1 << "Date|Search query|Address|Map region|"
                                  << "2021-06-01 22:20|Query|Place text|2.0000000 1.0000000 4.0000000 3.0000000|";
        QTest::newRow("favourites")
            << 1 << 4 << "Date created|Title|Places name|Location|Address|Dropped pin|Route|Url|Phone number|Fax|Type|"
            << "2021-06-01 22:20|Title|Places name|50.2500000 30.5000000|Kyiv 01001|"
               "2.5000000 1.5000000|4.0000000 3.0000000>6.0000000 5.0000000|Url|Phone|Fax|Place|";
        QTest::newRow("explored places") << 2 << 3 << "Date viewed|Name|Coordinates|Address|Phone number|Fax|Url|"
                                         << "2021-06-01 22:20|Name|7.0000000 0|Odesa|Phone|Fax|Url|";
        QTest::newRow("directions searches")
            << 3 << 8 << "Date searched|Name|Start point|End point|Transport|Phone number|Fax|Url|Address|"
            << "2021-06-01 22:20|Name|2.0000000 1.0000000|4.0000000 3.0000000|Walk|Phone|Fax|Url|Lviv|";
    }

    // Besides the shown values, the delegates, proxies and the info bar read the record and its
    // stored date through roles that every column answers.
    void columns()
    {
        QFETCH(int, category);
        QFETCH(int, addressColumn);
        const AppleMapsRecords records = FilledRecords();
        const auto model = test::MakeModel(category, records);
        QAbstractItemModelTester tester(model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        model->SetTimeZone(QTimeZone::utc());
        QTEST(Headers(*model), "headers");
        QCOMPARE(model->headerData(model->columnCount(), Qt::Horizontal), QVariant(QString()));
        QCOMPARE(model->headerData(0, Qt::Vertical), QVariant());
        QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::ToolTipRole), QVariant());
        QTEST(test::RowTexts(*model, 0), "cells");

        const void* record = RecordOf(category, records);
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(0, column);
            QCOMPARE(PointerIn(cell.data(ui::AppleMapsModelBase::RecordRole)), record);
            if (column != addressColumn)
                QCOMPARE(PointerIn(cell.data(Qt::UserRole)), record);
            for (int role : {int(Qt::InitialSortOrderRole), ui::AppleMapsModelBase::StoredDateRole}) {
                if (column > 0)
                    QCOMPARE(PointerIn(cell.data(role)), record);
            }
            QCOMPARE(cell.data(Qt::ToolTipRole), QVariant());
        }
        QCOMPARE(model->index(0, model->columnCount()).data(), QVariant());
        QCOMPARE(model->index(1, 0).data(ui::AppleMapsModelBase::RecordRole), QVariant());
    }

    void addressCell_data()
    {
        QTest::addColumn<std::vector<cmn::Address>>("addresses");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << std::vector<cmn::Address>() << "-";
        QTest::newRow("three: only the first")
            << std::vector<cmn::Address>{test::MakeAddress("Kyiv"), test::MakeAddress("Lviv"), test::MakeAddress("Rivne")}
            << "Kyiv";
    }

    void addressCell()
    {
        QFETCH(std::vector<cmn::Address>, addresses);
        AppleMapsRecords records;
        records.bookmarks.resize(1);
        records.bookmarks[0].addresses = addresses;
        const auto model = test::MakeModel(1, records);
        const QModelIndex cell = model->index(0, 4);
        QTEST(test::CellText(cell), "shown");
        QCOMPARE(PointerIn(cell.data(Qt::UserRole)),
                 addresses.empty() ? nullptr : static_cast<const void*>(&records.bookmarks[0].addresses[0]));
    }

    void dateShownInDisplayZone_data()
    {
        QTest::addColumn<QByteArray>("zoneId");
        QTest::newRow("unset: the system zone") << QByteArray();
        QTest::newRow("quarter-hour offset") << QByteArray("Asia/Kathmandu");
    }

    void dateShownInDisplayZone()
    {
        QFETCH(QByteArray, zoneId);
        const QTimeZone zone = zoneId.isEmpty() ? QTimeZone() : QTimeZone(zoneId);
        const QTimeZone expectedZone = zoneId.isEmpty() ? QTimeZone::systemTimeZone() : zone;
        const AppleMapsRecords records = FilledRecords();
        const auto model = test::MakeModel(1, records);
        model->SetTimeZone(zone);

        const QDateTime shown = model->index(0, 0).data().toDateTime();
        QCOMPARE(shown, Stored);
        QCOMPARE(shown.time(), Stored.toTimeZone(expectedZone).time());
        QCOMPARE(shown.offsetFromUtc(), expectedZone.offsetFromUtc(Stored));
        for (int role : {int(Qt::InitialSortOrderRole), ui::AppleMapsModelBase::StoredDateRole}) {
            const QDateTime unconverted = model->index(0, 0).data(role).toDateTime();
            QCOMPARE(unconverted.time(), Stored.time());
            QCOMPARE(unconverted.timeSpec(), Qt::UTC);
        }
    }
};

MAPS_TEST_CLASS(AppleMapsModelsTest);
#include "tst_AppleMapsModels.moc"
