#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "pluginGui/SortFilterProxyModelBase.h"

#include <QAbstractItemModelTester>
#include <QStandardItemModel>
#include <QTest>

namespace {

QString RowTexts(const QAbstractItemModel& model)
{
    QString texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts += model.index(row, 0).data().toString() + QLatin1Char('|');
    return texts;
}

} // namespace

class SortFilterProxyModelBaseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::ProcessRecordingSink(); }
    void init() { test::ProcessRecordingSink()->Clear(); }

    void sortingIsLoggedAroundTheSort_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("sorted");
        QTest::addColumn<QString>("startLine");
        QTest::newRow("ascending") << int(Qt::AscendingOrder) << "Airport|Bakery|Cafe|"
                                   << "Sorting by column 0 in ascending order has started";
        QTest::newRow("descending") << int(Qt::DescendingOrder) << "Cafe|Bakery|Airport|"
                                    << "Sorting by column 0 in descending order has started";
    }

    void sortingIsLoggedAroundTheSort()
    {
        QFETCH(int, order);
        QStandardItemModel source;
        for (const char* text : {"Bakery", "Cafe", "Airport"})
            source.appendRow(new QStandardItem(text));
        pluginGui::SortFilterProxyModelBase proxy(nullptr, nullptr);
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        proxy.setSourceModel(&source);

        proxy.sort(0, static_cast<Qt::SortOrder>(order));

        QTEST(RowTexts(proxy), "sorted");
        const std::vector<test::LogLine> lines = test::ProcessRecordingSink()->Lines();
        QCOMPARE(lines.size(), std::size_t(2));
        QTEST(QString::fromStdString(lines[0].message), "startLine");
        QCOMPARE(QString::fromStdString(lines[1].message), QStringLiteral("Sorting has finished"));
        for (const test::LogLine& line : lines) {
            QCOMPARE(line.severity, 6);
            QCOMPARE(line.function, std::string("pluginGui::SortFilterProxyModelBase::sort"));
        }
    }
};

MAPS_TEST_CLASS(SortFilterProxyModelBaseTest);
#include "tst_SortFilterProxyModelBase.moc"
