#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "pluginGui/SortFilterProxyModelBase.h"
#include "viewers/gui/IFilter.h"

#include <QAbstractItemModelTester>
#include <QStandardItemModel>
#include <QTest>

#include <set>

namespace {

class RowSetFilter final : public viewers::gui::IFilter {
public:
    explicit RowSetFilter(std::set<int> acceptedRows)
        : m_acceptedRows(std::move(acceptedRows))
    {
    }

    bool AcceptsRow(int row) override { return m_acceptedRows.count(row) > 0; }
    int GetFirstAcceptedRow() override { return m_acceptedRows.empty() ? -1 : *m_acceptedRows.begin(); }

private:
    std::set<int> m_acceptedRows;
};

void Fill(QStandardItemModel& model, const QStringList& texts)
{
    for (const QString& text : texts)
        model.appendRow(new QStandardItem(text));
}

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

    void rowsPassTheFilter_data()
    {
        QTest::addColumn<bool>("withFilter");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no filter shows every row") << false << "Cafe|Airport|Bakery|Harbour|";
        QTest::newRow("filter shows only accepted rows") << true << "Cafe|Bakery|";
    }

    void rowsPassTheFilter()
    {
        QFETCH(bool, withFilter);
        QFETCH(QString, shown);
        QStandardItemModel source;
        Fill(source, {"Cafe", "Airport", "Bakery", "Harbour"});
        RowSetFilter filter({0, 2});
        pluginGui::SortFilterProxyModelBase proxy(nullptr, withFilter ? &filter : nullptr);
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        proxy.setSourceModel(&source);
        QCOMPARE(RowTexts(proxy), shown);
    }

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
        QFETCH(QString, sorted);
        QFETCH(QString, startLine);
        QStandardItemModel source;
        Fill(source, {"Bakery", "Cafe", "Airport"});
        pluginGui::SortFilterProxyModelBase proxy(nullptr, nullptr);
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        proxy.setSourceModel(&source);

        proxy.sort(0, static_cast<Qt::SortOrder>(order));

        QCOMPARE(RowTexts(proxy), sorted);
        const std::vector<test::LogLine> lines = test::ProcessRecordingSink()->Lines();
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(lines[0].message), startLine);
        QCOMPARE(QString::fromStdString(lines[1].message), QStringLiteral("Sorting has finished"));
        for (const test::LogLine& line : lines) {
            QCOMPARE(line.severity, 6);
            QCOMPARE(line.function, std::string("pluginGui::SortFilterProxyModelBase::sort"));
        }
    }
};

MAPS_TEST_CLASS(SortFilterProxyModelBaseTest);
#include "tst_SortFilterProxyModelBase.moc"
