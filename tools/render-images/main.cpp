#include "GifWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <iostream>
#include <vector>

// Renders the committed images from their SVG sources, as a manifest lists them:
//   source.svg target.png width height
//   source.svg target.gif width height frames   (the drawing turned one step per frame)
// Paths are relative to the manifest's folder.

namespace {

constexpr int FrameDelayMs = 80;

QImage Render(QSvgRenderer& renderer, QSize size, qreal turnDegrees)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    painter.rotate(turnDegrees);
    painter.translate(-size.width() / 2.0, -size.height() / 2.0);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

bool RenderEntry(const QDir& folder, const QStringList& fields)
{
    QSvgRenderer renderer(folder.filePath(fields[0]));
    if (!renderer.isValid()) {
        std::cerr << "cannot read " << fields[0].toStdString() << '\n';
        return false;
    }
    const QSize size(fields[2].toInt(), fields[3].toInt());
    const QString target = folder.filePath(fields[1]);
    if (fields.size() == 4) {
        if (Render(renderer, size, 0).save(target, "PNG"))
            return true;
    } else {
        const int frameCount = fields[4].toInt();
        std::vector<QImage> frames;
        for (int frame = 0; frame < frameCount; ++frame)
            frames.push_back(Render(renderer, size, 360.0 * frame / frameCount));
        if (GifWriter::Write(target, frames, FrameDelayMs))
            return true;
    }
    std::cerr << "cannot write " << fields[1].toStdString() << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: maps-render-images MANIFEST\n";
        return 2;
    }
    QFile manifest(QString::fromLocal8Bit(argv[1]));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::cerr << "cannot open " << argv[1] << '\n';
        return 1;
    }
    const QDir folder = QFileInfo(manifest.fileName()).absoluteDir();
    bool succeeded = true;
    QTextStream lines(&manifest);
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        if (fields.size() != 4 && fields.size() != 5) {
            std::cerr << "bad manifest line: " << line.toStdString() << '\n';
            succeeded = false;
            continue;
        }
        succeeded = RenderEntry(folder, fields) && succeeded;
    }
    return succeeded ? 0 : 1;
}
