#include "HostileFiles.h"

#include "support/AppleMapsBackupFixture.h"
#include "support/CaughtException.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "xlsx/XlsxWorkbook.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "cmn/CommonExceptions.h"
#include "cmn/PathEncoding.h"
#include "exportReport/interfaces/ExportContext.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

// KML files and the xlsx report aimed at places that cannot take them.
class UnwritableExportsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::AppleMapsBackupFixture> m_backup;
    QTemporaryDir m_folder;
    std::unique_ptr<appleMaps::AppleMapsPlugIn> m_plugIn;

private slots:
    void initTestCase()
    {
        test::RecordingSink::ForProcessLogger();
        ulq::cmn::utils::ImbueUtf8PathConversion();
        QVERIFY(m_folder.isValid());
        m_backup = std::make_unique<test::AppleMapsBackupFixture>();
        m_backup->Execute("INSERT INTO PlaceBookmarks VALUES ('b', 1500000000, 'Home', 55.75, 37.62, '', '', '', "
                          "'Kremlin', -180.0, -180.0)");
        m_plugIn = std::make_unique<appleMaps::AppleMapsPlugIn>();
        core::IPlugInBase& host = *m_plugIn;
        host.SetTempPath(m_folder.filePath("temp").toStdWString());
        host.SetDataPath(m_backup->DescriptorPath());
        host.Parse();
        QCOMPARE(m_plugIn->GetRecords().bookmarks.size(), std::size_t(1));
    }

    void cleanupTestCase() { m_plugIn.reset(); }

    void exportFails_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("kind");
        for (const char* format : {"kml", "xlsx"}) {
            for (const char* kind :
                 {"missing folder", "folder is a file", "target is a folder", "read-only folder", "full disk"})
                QTest::addRow("%s, %s", format, kind) << format << kind;
        }
    }

    void exportFails()
    {
        QFETCH(QString, format);
        QFETCH(QString, kind);
        const QString place = m_folder.filePath(format + ' ' + kind);
        QString target = place + "/out." + format;
        std::optional<test::ReadOnlyTree> readOnly;
        if (kind == "folder is a file") {
            test::WriteFile(place, "a file");
        } else if (kind == "target is a folder") {
            QVERIFY(QDir().mkpath(target));
        } else if (kind == "read-only folder") {
            QVERIFY(QDir().mkpath(place));
            if (!readOnly.emplace(place).Binds())
                QSKIP("permissions do not bind this user");
        } else if (kind == "full disk") {
            target = QStringLiteral("/dev/full");
            if (!QFileInfo::exists(target))
                QSKIP("no full device on this system");
        }

        QString failure;
        if (format == "kml") {
            const std::vector<const appleMaps::AppleMapsPlaceBookmarkItem*> bookmarks{&m_plugIn->GetRecords().bookmarks[0]};
            const auto exception = test::CaughtException<cmn::PlugInCommonException>([&] {
                m_plugIn->SaveBookmarkToFile(location::LocationHistoryFileFormat::Kml, bookmarks,
                                             target.toStdWString());
            });
            failure = exception ? QString::fromStdString(exception->GetUserText()) : QString();
        } else {
            try {
                host::xlsx::XlsxWorkbook workbook(target);
                exportReport::ExportContext context;
                context.tableFactory = &workbook;
                static_cast<exportReport::IExport&>(*m_plugIn).Export(context);
                workbook.Close();
            } catch (const std::runtime_error& exception) {
                failure = QString::fromUtf8(exception.what());
            }
        }

        QVERIFY2(!failure.isEmpty(), "the export reported success");
        if (format == "kml")
            QCOMPARE(failure, kind == "full disk" ? QStringLiteral("Unable to write file") : QStringLiteral("Can't open file"));
        QVERIFY(!QFileInfo(target).isFile() || kind == "full disk");
    }
};

MAPS_TEST_CLASS(UnwritableExportsTest);
#include "tst_UnwritableExports.moc"
