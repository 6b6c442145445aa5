#include "XlsxReader.h"

#include "support/FileTreeSnapshot.h"
#include "support/MapsviewSession.h"
#include "support/TestRegistry.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// The report export as a user runs it, on a sample backup that `mapsview sample` writes.
class MapsviewExportTest : public QObject {
    Q_OBJECT

private slots:
    void reportOpensAsWorkbook()
    {
        const test::MapsviewSession mapsview;
        QTemporaryDir folder;
        const QString backup = folder.filePath("backup");
        QCOMPARE(mapsview.Run({"sample", backup}).exitCode, 0);
        const test::FileTreeSnapshot before(backup);

        const QString target = folder.filePath("report.xlsx");
        const test::MapsviewRun run = mapsview.Run({"export-report", backup, target});
        QVERIFY2(run.finished && run.exitCode == 0, run.standardError.constData());
        const test::XlsxReader reader(target);
        QVERIFY(reader.IsValid());
        const QStringList sheets = reader.SheetNames();
        QVERIFY2(!sheets.isEmpty(), "the sample backup has records");
        QStringList expected = {"Apple Maps - Searches", "Apple Maps - Favorites", "Apple Maps - Explored places",
                                "Apple Maps - Directions searche"};
        QCOMPARE(sheets, QStringList(expected.mid(expected.indexOf(sheets.first()), sheets.size())));
        const QMap<QString, QString> cells = reader.Cells(1);
        QVERIFY(cells.value("A1").startsWith("Date"));
        QVERIFY(cells.value("A2").contains(QRegularExpression(R"(^\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d \(UTC)")));
        const auto summary = std::find_if(cells.begin(), cells.end(),
                                          [](const QString& text) { return text.startsWith("Exported "); });
        QVERIFY(summary != cells.end());
        const test::FileTreeSnapshot after(backup);
        QVERIFY2(after == before, qPrintable(after.ChangesSince(before)));
    }
};

MAPS_TEST_CLASS(MapsviewExportTest);

#include "tst_MapsviewExport.moc"
