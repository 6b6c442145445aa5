#include "support/TestRegistry.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "core/interfaces/ICategoryPlugIn.h"
#include "core/interfaces/IPlugInBase.h"

#include <QJsonObject>
#include <QPluginLoader>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// The plug-in as the host sees it: the built module and the interface lookup table.
class PlugInModuleTest : public QObject {
    Q_OBJECT

private slots:
    void moduleExportsOnlyTheEntryPoints()
    {
        const QString nm = QStandardPaths::findExecutable("nm");
        if (nm.isEmpty())
            QSKIP("nm is not installed");
        QProcess process;
        // Sanitizer builds leave local typeinfo entries in the dynamic table; those are not exports.
        process.start(nm, {"-D", "--defined-only", "--extern-only", MAPS_PLUGIN_MODULE});
        QVERIFY(process.waitForFinished());
        QStringList symbols;
        for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
            symbols << line.section(' ', -1);
        symbols.sort();
        QCOMPARE(symbols, QStringList({"qt_plugin_instance", "qt_plugin_query_metadata"}));
    }

    void hostDrivesTheLoadedModule()
    {
        QPluginLoader loader(MAPS_PLUGIN_MODULE);
        QCOMPARE(loader.metaData().value("IID").toString(), QString("wulq.core.IPlugInVersion"));
        QObject* instance = loader.instance();
        QVERIFY2(instance, qPrintable(loader.errorString()));
        QCOMPARE(instance->metaObject()->className(), "appleMaps::AppleMapsPlugIn");
        QCOMPARE(instance->qt_metacast("ulq.core.IPlugInVersion"), instance->qt_metacast("ulq.core.IPlugInBase"));
        auto* plugIn = qobject_cast<core::IPlugInBase*>(instance);
        QVERIFY(plugIn);
        QCOMPARE(plugIn->GetCategoryName(), QString("Apple Maps"));
        QCOMPARE(plugIn->GetShortcut(), QString("Ctrl+Shift+A"));
        const core::PlugInVersion& version = plugIn->GetVersion();
        QCOMPARE(QList<uint>({version.versionMajor, version.versionMinor, version.build, version.revision}),
                 QList<uint>({4, 51, 33506, 0}));
        QCOMPARE(QPluginLoader(MAPS_PLUGIN_MODULE).instance(), instance);
    }

    // A path that is no descriptor offers nothing; a descriptor that cannot be read reaches the
    // host from SetDataPath.
    void dataPathsWithoutAppleMapsData()
    {
        const QString path = "/backups/one/Manifest.plist";
        auto* plugIn = qobject_cast<core::IPlugInBase*>(QPluginLoader(MAPS_PLUGIN_MODULE).instance());
        QVERIFY(plugIn);
        plugIn->SetDataPath(path);
        QVERIFY(!plugIn->GetCategoryPlugIn());
        QCOMPARE(plugIn->GetDataSize(path), 0u);
        QVERIFY_EXCEPTION_THROWN(plugIn->SetDataPath("/no/such/backup/icloud_synced.xml"), std::exception);
    }

    void interfaceLookup_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("subObject");
        QTest::newRow("class") << QByteArray("appleMaps::AppleMapsPlugIn") << "object";
        QTest::newRow("presenter") << QByteArray("IAppleMapsPresenter") << "presenter";
        QTest::newRow("category") << QByteArray("AppleMapsCategoryPlugIn") << "category";
        QTest::newRow("export by class") << QByteArray("exportReport::IExport") << "export";
        QTest::newRow("export by id") << QByteArray("exportReport.IExport") << "export";
        QTest::newRow("button format by id") << QByteArray("exportReport.IExportButtonFormat") << "format";
        QTest::newRow("native export by id") << QByteArray("exportReport.INativeExport") << "native";
        QTest::newRow("base") << QByteArray("ulq.core.IPlugInBase") << "base";
        QTest::newRow("QObject") << QByteArray("QObject") << "object";
        QTest::newRow("unknown") << QByteArray("ulq.core.IUnknown") << "none";
    }

    void interfaceLookup()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, subObject);
        appleMaps::AppleMapsPlugIn plugIn;
        const std::map<QString, void*> subObjects{
            {"object", &plugIn},
            {"presenter", static_cast<appleMaps::IAppleMapsPresenter*>(&plugIn)},
            {"category", static_cast<appleMaps::AppleMapsCategoryPlugIn*>(&plugIn)},
            {"export", static_cast<exportReport::IExport*>(&plugIn)},
            {"format", static_cast<exportReport::IExportButtonFormat*>(&plugIn)},
            {"native", static_cast<exportReport::INativeExport*>(&plugIn)},
            {"base", static_cast<core::IPlugInBase*>(&plugIn)},
            {"none", nullptr},
        };
        QCOMPARE(plugIn.qt_metacast(name.constData()), subObjects.at(subObject));
    }
};

MAPS_TEST_CLASS(PlugInModuleTest);

#include "tst_PlugInModule.moc"
