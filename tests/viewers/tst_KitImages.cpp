#include "support/TestRegistry.h"

#include "resources/KitResources.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QTextStream>

#include <cstdlib>

namespace {

// Committed renderings may differ from a fresh one by antialiasing noise, not by a drawing.
constexpr int ChannelTolerance = 8;

bool SameImage(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size())
        return false;
    const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage b = actual.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > ChannelTolerance || std::abs(qGreen(p) - qGreen(q)) > ChannelTolerance
                || std::abs(qBlue(p) - qBlue(q)) > ChannelTolerance
                || std::abs(qAlpha(p) - qAlpha(q)) > ChannelTolerance)
                return false;
        }
    }
    return true;
}

} // namespace

class KitImagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { resources::InitKitResources(); }

    // Sizes are the renderings test's; here the resource paths that the code uses must resolve.
    void imagesTheKitNames_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* path : {":/Resources/images/static_info.png", ":/Resources/images/crossSearchBar.png",
                                 ":/Resources/images/magnifier_gray.png", ":/Resources/images/magnifier_green.png",
                                 ":/Resources/images/magnifier_red.png", ":/Resources/images/filter.png",
                                 ":/Resources/images/activeFilter.png", ":/Resources/images/close.png",
                                 ":/Resources/images/CalendarIcon.png", ":/view_flag.png"})
            QTest::newRow(path) << QString::fromLatin1(path);
        for (const char* state : {"orange", "gray", "disabled"}) {
            for (const char* name : {"icons_%1_history.png", "icons_%1_bookmarks.png", "AppleMapsPlaces_%1.png",
                                     "AppleMapsDirectionicons_%1.png"}) {
                const QString path = QStringLiteral(":/Resources/AppleMapsResources/") + QString::fromLatin1(name).arg(state);
                QTest::newRow(qPrintable(path)) << path;
            }
        }
    }

    void imagesTheKitNames()
    {
        QFETCH(QString, path);
        QVERIFY(!QImage(path).isNull());
    }

    // The icon button recolours an arrow by inserting a fill into each path and replacing it.
    void drawingsTheKitNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("recoloured");
        QTest::newRow("arrow_prev.svg") << ":/Resources/images/arrow_prev.svg" << true;
        QTest::newRow("arrow_next.svg") << ":/Resources/images/arrow_next.svg" << true;
        QTest::newRow("filter.svg") << ":/Resources/images/filter.svg" << false;
        QTest::newRow("activeFilter.svg") << ":/Resources/images/activeFilter.svg" << false;
    }

    void drawingsTheKitNames()
    {
        QFETCH(QString, path);
        QFETCH(bool, recoloured);
        QVERIFY(QSvgRenderer(path).isValid());
        if (!recoloured)
            return;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray source = file.readAll();
        QVERIFY(!source.contains("fill"));
        QVERIFY(!source.contains('#'));
        QVERIFY(source.contains("path "));
    }

    void waitAnimationTurns()
    {
        QImageReader reader(QStringLiteral(":/Resources/images/WaitAnimationGreen_16.gif"));
        QCOMPARE(reader.imageCount(), 8);
        QVERIFY(reader.supportsAnimation());
        const QImage first = reader.read();
        QCOMPARE(first.size(), QSize(16, 16));
        reader.read();
        const QImage third = reader.read();
        QVERIFY(!third.isNull());
        QVERIFY(third != first);
    }

    // A PNG committed without rendering it again after its SVG changed shows the old drawing.
    void renderingsMatchTheirDrawings()
    {
        QFile manifest(QStringLiteral(MAPS_RESOURCES_DIR "/images.manifest"));
        QVERIFY(manifest.open(QIODevice::ReadOnly | QIODevice::Text));
        QTextStream lines(&manifest);
        int checked = 0;
        while (!lines.atEnd()) {
            const QStringList fields = lines.readLine().split(' ', Qt::SkipEmptyParts);
            if (fields.size() != 4 || fields[0].startsWith('#'))
                continue;
            QSvgRenderer renderer(QStringLiteral(MAPS_RESOURCES_DIR "/") + fields[0]);
            QVERIFY2(renderer.isValid(), qPrintable(fields[0]));
            QImage fresh(fields[2].toInt(), fields[3].toInt(), QImage::Format_ARGB32_Premultiplied);
            fresh.fill(Qt::transparent);
            QPainter painter(&fresh);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(fresh.rect()));
            painter.end();
            const QImage committed(QStringLiteral(MAPS_RESOURCES_DIR "/") + fields[1]);
            QVERIFY2(SameImage(committed, fresh), qPrintable(fields[1] + QStringLiteral(" differs from its drawing")));
            ++checked;
        }
        QCOMPARE(checked, 22);
    }
};

MAPS_TEST_CLASS(KitImagesTest);
#include "tst_KitImages.moc"
