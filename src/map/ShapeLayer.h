#pragma once

#include <marble/LayerInterface.h>

#include <QImage>

#include <optional>

namespace map {

class MapShapes;
class ScreenProjection;

// Draws the shapes over the world map in one pass of Marble's painter: rectangles, then lines,
// then points, then the selected shape. Points are stamped from prepared images, at most one
// per kind in each two-pixel cell, so that a frame costs little more than one look at each
// shape however many there are.
class ShapeLayer final : public Marble::LayerInterface {
public:
    ShapeLayer();

    // Not owned; null draws nothing.
    void SetShapes(const MapShapes* shapes) { m_shapes = shapes; }
    void SetSelected(std::optional<int> id) { m_selected = id; }

    QStringList renderPosition() const override;
    bool render(Marble::GeoPainter* painter, Marble::ViewportParams* viewport, const QString& renderPosition,
                Marble::GeoSceneLayer* layer) override;

private:
    void DrawRectangles(QPainter& painter, const ScreenProjection& projection) const;
    void DrawLines(QPainter& painter, const ScreenProjection& projection) const;
    void DrawPoints(QPainter& painter, const ScreenProjection& projection) const;
    void DrawSelected(QPainter& painter, const ScreenProjection& projection) const;

    const MapShapes* m_shapes = nullptr;
    std::optional<int> m_selected;
    QImage m_placeStamp;
    QImage m_droppedPinStamp;
    QImage m_rectangleStamp;
    QImage m_lineStartStamp;
    QImage m_lineEndStamp;
    QImage m_selectedStamp;
};

} // namespace map
