#include "support/TestRegistry.h"

#include "resources/KitResources.h"

#include <QFile>
#include <QImage>
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
            for (const int shift : {0, 8, 16, 24})
                if (std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)) > ChannelTolerance)
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

    // The icon button recolours an arrow by inserting a fill into each path and replacing it.
    void arrowsCanBeRecoloured_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("arrow_prev.svg") << ":/Resources/images/arrow_prev.svg";
        QTest::newRow("arrow_next.svg") << ":/Resources/images/arrow_next.svg";
    }

    void arrowsCanBeRecoloured()
    {
        QFETCH(QString, path);
        QVERIFY(QSvgRenderer(path).isValid());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray source = file.readAll();
        QVERIFY(!source.contains("fill"));
        QVERIFY(!source.contains('#'));
        QVERIFY(source.contains("path "));
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
