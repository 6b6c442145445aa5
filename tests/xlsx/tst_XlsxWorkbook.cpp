#include "XlsxReader.h"

#include "support/TestRegistry.h"

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
    void initTestCase() { QVERIFY(m_folder.isValid()); }

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

    void longTablesContinueOnNewSheets_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("sheetNames");
        QTest::addColumn<QString>("summaryCell");

        // Three table rows fit a sheet of four rows; the sheet names are cut to 31 characters.
        const QString first = "Apple Maps - Directions searche";
        QTest::newRow("rows over three sheets")
            << 7 << QStringList({first, "Apple Maps - Directions sea (2)", "Apple Maps - Directions sea (3)"})
            << "3:A4";
        QTest::newRow("summary past a full sheet")
            << 3 << QStringList({first, "Apple Maps - Directions sea (2)"}) << "2:A2";
    }

    void longTablesContinueOnNewSheets()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, sheetNames);
        QFETCH(QString, summaryCell);
        const QString path = m_folder.filePath("continued.xlsx");
        host::xlsx::XlsxWorkbook workbook(path, {4, 2});
        const auto table = workbook.CreateTable("Apple Maps - Directions searches", 1);
        table->AddColumn("Number", 10.0);
        table->AddColumn("Map", 20.0);
        for (int row = 1; row <= rows; ++row) {
            table->BeginRow(20.0);
            table->SetCell("Number", std::to_string(row));
            table->SetLinkCell("Map", "https://maps.example/" + std::to_string(row), "place " + std::to_string(row));
            table->EndRow();
        }
        table->AddSummary("Exported.");
        QCOMPARE(table->GetRowCount(), rows);
        QCOMPARE(table->GetName(), sheetNames.first().toStdString());
        workbook.Close();

        const test::XlsxReader reader(path);
        QCOMPARE(reader.SheetNames(), sheetNames);
        int row = 0;
        for (int sheet = 1; sheet <= sheetNames.size(); ++sheet) {
            const QMap<QString, QString> cells = reader.Cells(sheet);
            QCOMPARE(cells.value("A1"), QString("Number"));
            QCOMPARE(cells.value("B1"), QString("Map"));
            QCOMPARE(reader.ColumnWidths(sheet).value(2), reader.ColumnWidths(1).value(2));
            QMap<QString, QString> links;
            for (int sheetRow = 2; sheetRow <= 4 && row < rows; ++sheetRow) {
                ++row;
                QCOMPARE(cells.value(QString("A%1").arg(sheetRow)), QString::number(row));
                QCOMPARE(cells.value(QString("B%1").arg(sheetRow)), QString("place %1").arg(row));
                if (sheetRow <= 3)
                    links[QString("B%1").arg(sheetRow)] = QString("https://maps.example/%1").arg(row);
            }
            QCOMPARE(reader.Links(sheet), links);
        }
        const QStringList summary = summaryCell.split(':');
        QCOMPARE(reader.Cells(summary[0].toInt()).value(summary[1]), QString("Exported."));
    }

    void linksPastTheSheetLimitKeepTheirText()
    {
        const QString path = m_folder.filePath("links.xlsx");
        host::xlsx::XlsxWorkbook workbook(path);
        const auto table = workbook.CreateTable("t", 1);
        table->AddColumn("Map", 20.0);
        const int rows = 65532;
        for (int row = 0; row < rows; ++row) {
            table->BeginRow(15.0);
            table->SetLinkCell("Map", "https://maps.example/", "place");
            table->EndRow();
        }
        workbook.Close();
        const test::XlsxReader reader(path);
        QCOMPARE(reader.Links(1).size(), 65530);
        QCOMPARE(reader.Cells(1).value(QString("A%1").arg(rows + 1)), QString("place"));
    }

};

MAPS_TEST_CLASS(XlsxWorkbookTest);

#include "tst_XlsxWorkbook.moc"
