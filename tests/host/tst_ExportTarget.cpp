#include "support/TestRegistry.h"

#include "viewer/ExportTarget.h"

#include <QTest>

using host::viewer::ExportTarget;

class TestExportTarget : public QObject {
    Q_OBJECT

private slots:
    void formatAndPath_data()
    {
        QTest::addColumn<QString>("chosenPath");
        QTest::addColumn<QString>("selectedFilter");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("path");
        QTest::newRow("typed suffix wins over the chosen type")
            << "/out/places.kml" << "Excel file (*.xlsx)" << int(ExportTarget::Format::Kml) << "/out/places.kml";
        QTest::newRow("suffix in capitals") << "/out/report.XLSX" << "Kml file (*.kml)"
                                            << int(ExportTarget::Format::Xlsx) << "/out/report.XLSX";
        QTest::newRow("no suffix takes the chosen type")
            << "/out/places" << "Kml file (*.kml)" << int(ExportTarget::Format::Kml) << "/out/places.kml";
        QTest::newRow("other suffix keeps it and adds the chosen type's")
            << "/out/v1.2" << "Excel file (*.xlsx)" << int(ExportTarget::Format::Xlsx) << "/out/v1.2.xlsx";
        QTest::newRow("dialog cancelled") << "" << "Kml file (*.kml)" << int(ExportTarget::Format::None) << "";
        QTest::newRow("unknown type and suffix") << "/out/places.txt" << "Text (*.txt)"
                                                 << int(ExportTarget::Format::None) << "";
    }

    void formatAndPath()
    {
        QFETCH(QString, chosenPath);
        QFETCH(QString, selectedFilter);
        QFETCH(int, format);
        QFETCH(QString, path);
        const ExportTarget target = host::viewer::ResolveExportTarget(chosenPath, selectedFilter);
        QCOMPARE(int(target.format), format);
        QCOMPARE(target.path, path);
    }
};

MAPS_TEST_CLASS(TestExportTarget);
#include "tst_ExportTarget.moc"
