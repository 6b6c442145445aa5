#include "XlsxReader.h"

#include "support/TestRegistry.h"

#include "xlsx/ExportProgress.h"
#include "xlsx/RowFilterProvider.h"
#include "xlsx/XlsxWorkbook.h"

#include "exportReport/interfaces/ITableExport.h"

#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

class XlsxWorkbookTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        if (!test::ZipArchive::ToolAvailable())
            QSKIP("Neither unzip nor python3 can read the workbook");
    }

    void tablesBecomeSheets()
    {
        const QString path = m_folder.filePath("report.xlsx");
        host::xlsx::XlsxWorkbook workbook(path);
        const auto searches = workbook.CreateTable("Apple Maps - Searches", 1);
        searches->AddColumn("Date", 30.0);
        searches->AddColumn("Map region", 30.0);
        searches->BeginRow(45.0);
        searches->SetCell("Date", "05.03.2019 14:07:00 (UTC)");
        searches->SetLinkCell("Map region", "https://www.google.com/maps/@50.4,30.5,12z", "50.4 30.5 50.5 30.6");
        searches->EndRow();
        searches->BeginRow(45.0);
        searches->SetCell("Date", u8"Кав'ярня & <Co>");
        searches->SetLinkCell("Map region", "internal:Sheet1!A1", "not a web link");
        searches->EndRow();
        searches->AddSummary("Exported 2 entries out of 3.");
        const auto directions = workbook.CreateTable("Apple Maps - Directions searches", 1);
        directions->AddColumn("Name", 30.0);
        QCOMPARE(directions->GetName(), std::string("Apple Maps - Directions searche"));
        workbook.Close();

        const test::XlsxReader reader(path);
        QVERIFY(reader.IsValid());
        QCOMPARE(reader.SheetNames(), QStringList({"Apple Maps - Searches", "Apple Maps - Directions searche"}));
        const QMap<QString, QString> cells = reader.Cells(1);
        QCOMPARE(cells.value("A1"), QString("Date"));
        QCOMPARE(cells.value("B1"), QString("Map region"));
        QCOMPARE(cells.value("A2"), QString("05.03.2019 14:07:00 (UTC)"));
        QCOMPARE(cells.value("B2"), QString("50.4 30.5 50.5 30.6"));
        QCOMPARE(cells.value("A3"), QString::fromUtf8(u8"Кав'ярня & <Co>"));
        QCOMPARE(cells.value("B3"), QString("not a web link"));
        QCOMPARE(cells.value("A5"), QString("Exported 2 entries out of 3."));
        QCOMPARE(reader.Links(1), (QMap<QString, QString>{{"B2", "https://www.google.com/maps/@50.4,30.5,12z"}}));
        QCOMPARE(reader.RowHeights(1).value(2), 45.0);
        QCOMPARE(reader.RowHeights(1).value(3), 45.0);
        QVERIFY(reader.ColumnWidths(1).value(1) >= 30.0 && reader.ColumnWidths(1).value(1) < 31.0);
        QCOMPARE(reader.Cells(2).value("A1"), QString("Name"));
    }

    void workbookWithoutTablesStillOpens()
    {
        const QString path = m_folder.filePath("empty.xlsx");
        host::xlsx::XlsxWorkbook workbook(path);
        workbook.Close();
        const test::XlsxReader reader(path);
        QVERIFY(reader.IsValid());
        QCOMPARE(reader.SheetNames().size(), 1);
    }

    void unknownColumnIsAnError()
    {
        host::xlsx::XlsxWorkbook workbook(m_folder.filePath("unused.xlsx"));
        const auto table = workbook.CreateTable("t", 1);
        table->AddColumn("Date", 30.0);
        table->BeginRow(45.0);
        QVERIFY_EXCEPTION_THROWN(table->SetCell("Title", "x"), std::runtime_error);
    }

    void unwritableTargetFailsOnClose()
    {
        const QString path = m_folder.filePath("missing folder/report.xlsx");
        host::xlsx::XlsxWorkbook workbook(path);
        workbook.CreateTable("t", 1)->AddColumn("Date", 30.0);
        QVERIFY_EXCEPTION_THROWN(workbook.Close(), std::runtime_error);
        QVERIFY(!QFile::exists(path));
    }

    void longCellTextsAreCut()
    {
        const QString path = m_folder.filePath("long.xlsx");
        host::xlsx::XlsxWorkbook workbook(path);
        const auto table = workbook.CreateTable("t", 1);
        table->AddColumn("Text", 30.0);
        table->BeginRow(45.0);
        table->SetCell("Text", std::string(40000, 'x'));
        table->EndRow();
        workbook.Close();
        QCOMPARE(test::XlsxReader(path).Cells(1).value("A2").size(), 32767);
    }

    void rowFilterProvider()
    {
        host::xlsx::RowFilterProvider provider;
        provider.SetAcceptedRows(1, {4, 2});
        QVERIFY(!provider.GetFilter(0));
        QVERIFY(!provider.GetFilter(-1));
        viewers::gui::IFilter* filter = provider.GetFilter(1);
        QVERIFY(filter);
        QVERIFY(filter->AcceptsRow(2));
        QVERIFY(!filter->AcceptsRow(3));
        QCOMPARE(provider.GetFirstAcceptedRow(), -1);
        provider.SetCurrentCategory(1);
        QCOMPARE(provider.GetFirstAcceptedRow(), 2);
    }

    void progressObserver()
    {
        std::vector<std::pair<std::uint64_t, std::uint64_t>> seen;
        host::xlsx::ExportProgress progress([&](std::uint64_t current, std::uint64_t total) {
            seen.emplace_back(current, total);
        });
        progress.SetTotal(3);
        progress.SetCurrent(0);
        progress.SetCurrent(1);
        progress.AddFailedCategory("Apple Maps");
        QCOMPARE(seen, (std::vector<std::pair<std::uint64_t, std::uint64_t>>{{0, 3}, {1, 3}}));
        QCOMPARE(progress.FailedCategories(), QStringList("Apple Maps"));
    }
};

MAPS_TEST_CLASS(XlsxWorkbookTest);

#include "tst_XlsxWorkbook.moc"
