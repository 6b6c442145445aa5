#pragma once

#include "MapShapes.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <memory>
#include <optional>

namespace Marble {
class MarbleMap;
class MarbleModel;
class ViewportParams;
} // namespace Marble

namespace map {

class ShapeLayer;

// A world map drawn from files on this machine, with points, lines and rectangles over it.
// Drag pans, the wheel zooms about the pointer, a click on a shape reports its id. Until the
// user moves the map it keeps every shape in view (FitAll), also when the shapes change.
// Marble's own widget is not used: it needs a web engine and an OpenGL context; this one paints
// Marble's map into an image, which also serves as the picture moved while dragging.
class MapView final : public QWidget {
    Q_OBJECT

public:
    explicit MapView(QWidget* parent = nullptr);
    ~MapView() override;

    void SetShapes(MapShapes shapes);
    const MapShapes& Shapes() const { return m_shapes; }
    // Highlights the shape with this id; none highlights nothing.
    void SetSelected(std::optional<int> id);
    // Puts the shape with this id in the middle of the view at the present zoom; nothing when it
    // is not on the map.
    void CentreOn(int id);
    // Every shape in view, as large as the view allows; the whole world when there are none.
    void FitAll();
    // factor > 1 zooms in, about the pixel `anchor` (the middle of the view by default).
    void ZoomBy(double factor, std::optional<QPointF> anchor = std::nullopt);
    // Whether Marble has read every file of the world map; until then the map draws what it has.
    bool IsWorldMapRead() const;
    // The projection of the frame drawn now: the pixel of a coordinate, for checks.
    const Marble::ViewportParams& Viewport() const;

signals:
    void ShapeClicked(int id);

protected:
    QSize sizeHint() const override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RenderFrame();
    // The frame is drawn again at the next paint.
    void Redraw();
    // Moves the map's content by `pixels` on the screen.
    void PanBy(const QPointF& pixels);
    void SetRadius(double radius);
    void SyncMapSize();
    // Whether the map stops following the shapes: the user has moved it.
    void StopFollowing() { m_followsShapes = false; }

    // Declared in this order so that the map goes before the layer it draws and the model it reads.
    std::unique_ptr<Marble::MarbleModel> m_model;
    std::unique_ptr<ShapeLayer> m_layer;
    std::unique_ptr<Marble::MarbleMap> m_map;
    MapShapes m_shapes;
    QImage m_frame;
    bool m_frameStale = true;
    bool m_followsShapes = true;
    std::optional<QPoint> m_pressPosition;
    QPoint m_dragOffset;
    bool m_dragging = false;
};

} // namespace map
