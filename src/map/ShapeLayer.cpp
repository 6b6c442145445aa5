#include "ShapeLayer.h"

#include "MapShapes.h"
#include "ScreenGeometry.h"
#include "ScreenProjection.h"
#include "ShapeStyle.h"

#include <marble/GeoPainter.h>
#include <marble/ViewportParams.h>

#include <QPainter>
#include <QPolygonF>
#include <QVector>

#include <cmath>
#include <vector>

namespace map {

namespace {

// Room around the view for the parts of shapes whose middle lies just outside it.
constexpr double Margin = style::SelectedRadius + 2;
// Points closer than this share a cell and are stamped once.
constexpr int CellSize = 3;

// Regions smaller than this on the screen are stamped like points, so that they stay visible.
constexpr double SmallestRectangleSide = 4.0;

bool IsStampSized(const QRectF& rectangle)
{
    return rectangle.width() < SmallestRectangleSide && rectangle.height() < SmallestRectangleSide;
}

enum class StampShape { Circle, Diamond, Square };

QImage MakeStamp(int radius, QRgb fill, QRgb outline, StampShape shape)
{
    const int centre = radius + 1;
    QImage stamp(2 * centre + 1, 2 * centre + 1, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(outline), 1.0));
    painter.setBrush(QColor::fromRgba(fill));
    const QPointF middle(centre + 0.5, centre + 0.5);
    if (shape == StampShape::Circle) {
        painter.drawEllipse(middle, radius, radius);
    } else if (shape == StampShape::Square) {
        painter.drawRect(QRectF(middle - QPointF(radius, radius), middle + QPointF(radius, radius)));
    } else {
        painter.drawPolygon(QPolygonF(QVector<QPointF>{middle + QPointF(0, -radius), middle + QPointF(radius, 0),
                                      middle + QPointF(0, radius), middle + QPointF(-radius, 0)}));
    }
    return stamp;
}

// The stamp's middle pixel on the pixel that holds `pixel`.
void Stamp(QPainter& painter, const QImage& stamp, const QPointF& pixel)
{
    const int centre = stamp.width() / 2;
    painter.drawImage(QPoint(static_cast<int>(std::floor(pixel.x())) - centre,
                             static_cast<int>(std::floor(pixel.y())) - centre),
                      stamp);
}

// Which cells of the view already hold a stamp of one kind.
class CellGrid final {
public:
    explicit CellGrid(const QSize& view)
        : m_columns(static_cast<int>((view.width() + 2 * Margin) / CellSize) + 1)
        , m_rows(static_cast<int>((view.height() + 2 * Margin) / CellSize) + 1)
        , m_cells(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), false)
    {
    }

    // True the first time a pixel of a cell on the view is asked for.
    bool Claim(const QPointF& pixel)
    {
        const double column = std::floor((pixel.x() + Margin) / CellSize);
        const double row = std::floor((pixel.y() + Margin) / CellSize);
        if (!(column >= 0 && column < m_columns && row >= 0 && row < m_rows))
            return false;
        const std::size_t cell = static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns)
            + static_cast<std::size_t>(column);
        if (m_cells[cell])
            return false;
        m_cells[cell] = true;
        return true;
    }

private:
    int m_columns;
    int m_rows;
    std::vector<bool> m_cells;
};

QRectF MarginRect(const ScreenProjection& projection)
{
    return QRectF(QPointF(0, 0), QSizeF(projection.ViewSize())).adjusted(-Margin, -Margin, Margin, Margin);
}

// Calls draw(segment) for each copy of a line that crosses the view, cut to the view.
template <typename Draw> void ForEachLineCopy(const ScreenProjection& projection, const MapLine& line, Draw draw)
{
    const QLineF pixels = projection.LinePixels(line.start, line.end);
    const QPointF start = pixels.p1();
    const QPointF end = pixels.p2();
    const QRectF bounds = MarginRect(projection);
    projection.ForEachCopy(std::min(start.x(), end.x()), std::max(start.x(), end.x()), Margin, [&](double dx) {
        const QPointF shift(dx, 0);
        if (const std::optional<QLineF> cut = ClipLine(QLineF(start + shift, end + shift), bounds))
            draw(*cut, start + shift, end + shift);
    });
}

// Calls draw(rectangle) for each copy of a region that crosses the view, cut to the view.
template <typename Draw>
void ForEachRectangleCopy(const ScreenProjection& projection, const MapRectangle& rectangle, Draw draw)
{
    const QRectF area = projection.RegionRect(rectangle.region);
    const QRectF bounds = MarginRect(projection);
    projection.ForEachCopy(area.left(), area.right(), Margin, [&](double dx) {
        const QRectF cut = area.translated(dx, 0).intersected(bounds);
        if (!cut.isNull())
            draw(cut);
    });
}

} // namespace

ShapeLayer::ShapeLayer()
    : m_placeStamp(MakeStamp(style::PlaceRadius, style::PlaceFill, style::Outline, StampShape::Circle))
    , m_droppedPinStamp(MakeStamp(style::DroppedPinRadius, style::DroppedPinFill, style::Outline, StampShape::Diamond))
    , m_rectangleStamp(MakeStamp(style::SmallRectangleRadius, style::RectangleColour, style::Outline, StampShape::Square))
    , m_lineStartStamp(MakeStamp(style::LineEndRadius, style::Outline, style::LineColour, StampShape::Circle))
    , m_lineEndStamp(MakeStamp(style::LineEndRadius, style::LineColour, style::Outline, StampShape::Circle))
    , m_selectedStamp(MakeStamp(style::SelectedRadius, style::SelectedFill, style::SelectedOutline, StampShape::Circle))
{
}

QStringList ShapeLayer::renderPosition() const
{
    return {QStringLiteral("ALWAYS_ON_TOP")};
}

bool ShapeLayer::render(Marble::GeoPainter* painter, Marble::ViewportParams* viewport,
                        const QString& /*renderPosition*/, Marble::GeoSceneLayer* /*layer*/)
{
    if (!m_shapes || !painter || !viewport)
        return true;
    const ScreenProjection projection(*viewport);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    DrawRectangles(*painter, projection);
    DrawLines(*painter, projection);
    DrawPoints(*painter, projection);
    DrawSelected(*painter, projection);
    painter->restore();
    return true;
}

void ShapeLayer::DrawRectangles(QPainter& painter, const ScreenProjection& projection) const
{
    QVector<QRectF> rectangles;
    std::vector<QPointF> smallRectangles;
    for (const MapRectangle& rectangle : m_shapes->Rectangles()) {
        ForEachRectangleCopy(projection, rectangle, [&](const QRectF& cut) {
            if (IsStampSized(cut))
                smallRectangles.push_back(cut.center());
            else
                rectangles.push_back(cut);
        });
    }
    painter.setPen(QPen(QColor::fromRgba(style::RectangleColour), style::RectangleWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRects(rectangles);
    CellGrid cells(projection.ViewSize());
    for (const QPointF& middle : smallRectangles) {
        if (cells.Claim(middle))
            Stamp(painter, m_rectangleStamp, middle);
    }
}

void ShapeLayer::DrawLines(QPainter& painter, const ScreenProjection& projection) const
{
    QVector<QLineF> segments;
    std::vector<QPointF> starts;
    std::vector<QPointF> ends;
    for (const MapLine& line : m_shapes->Lines()) {
        ForEachLineCopy(projection, line, [&](const QLineF& cut, const QPointF& start, const QPointF& end) {
            segments.push_back(cut);
            starts.push_back(start);
            ends.push_back(end);
        });
    }
    painter.setPen(QPen(QColor::fromRgba(style::LineColour), style::LineWidth));
    painter.drawLines(segments);
    CellGrid startCells(projection.ViewSize());
    for (const QPointF& start : starts) {
        if (startCells.Claim(start))
            Stamp(painter, m_lineStartStamp, start);
    }
    CellGrid endCells(projection.ViewSize());
    for (const QPointF& end : ends) {
        if (endCells.Claim(end))
            Stamp(painter, m_lineEndStamp, end);
    }
}

void ShapeLayer::DrawPoints(QPainter& painter, const ScreenProjection& projection) const
{
    CellGrid placeCells(projection.ViewSize());
    CellGrid pinCells(projection.ViewSize());
    for (const MapPoint& point : m_shapes->Points()) {
        const QPointF pixel = projection.Pixel(point.position);
        const bool isPin = point.kind == PointKind::DroppedPin;
        projection.ForEachCopy(pixel.x(), pixel.x(), Margin, [&](double dx) {
            const QPointF copy(pixel.x() + dx, pixel.y());
            if ((isPin ? pinCells : placeCells).Claim(copy))
                Stamp(painter, isPin ? m_droppedPinStamp : m_placeStamp, copy);
        });
    }
}

void ShapeLayer::DrawSelected(QPainter& painter, const ScreenProjection& projection) const
{
    if (!m_selected)
        return;
    const int id = *m_selected;
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const MapRectangle& rectangle : m_shapes->Rectangles()) {
        if (rectangle.id != id)
            continue;
        painter.setPen(QPen(QColor::fromRgba(style::SelectedOutline), style::SelectedLineWidth / 2));
        painter.setBrush(QColor::fromRgba(style::SelectedAreaFill));
        ForEachRectangleCopy(projection, rectangle, [&](const QRectF& cut) {
            if (IsStampSized(cut))
                Stamp(painter, m_selectedStamp, cut.center());
            else
                painter.drawRect(cut);
        });
    }
    for (const MapLine& line : m_shapes->Lines()) {
        if (line.id != id)
            continue;
        ForEachLineCopy(projection, line, [&](const QLineF& cut, const QPointF& start, const QPointF& end) {
            painter.setPen(QPen(QColor::fromRgba(style::SelectedOutline), style::SelectedLineWidth + 2));
            painter.drawLine(cut);
            painter.setPen(QPen(QColor::fromRgba(style::SelectedFill), style::SelectedLineWidth));
            painter.drawLine(cut);
            Stamp(painter, m_lineStartStamp, start);
            Stamp(painter, m_selectedStamp, end);
        });
    }
    for (const MapPoint& point : m_shapes->Points()) {
        if (point.id != id)
            continue;
        const QPointF pixel = projection.Pixel(point.position);
        projection.ForEachCopy(pixel.x(), pixel.x(), Margin,
                               [&](double dx) { Stamp(painter, m_selectedStamp, {pixel.x() + dx, pixel.y()}); });
    }
}

} // namespace map
