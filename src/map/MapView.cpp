#include "MapView.h"

#include "GeoSpan.h"
#include "OfflineMarble.h"
#include "ScreenProjection.h"
#include "ShapeHitTest.h"
#include "ShapeLayer.h"

#include <marble/FileManager.h>
#include <marble/GeoPainter.h>
#include <marble/MarbleMap.h>
#include <marble/MarbleModel.h>
#include <marble/ViewportParams.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace map {

namespace {

// From the whole world a few hundred pixels wide down to a few centimetres a pixel.
constexpr double MinimumRadius = 40.0;
constexpr double MaximumRadius = 1 << 26;
// A fit never zooms in further than a few streets, even for a single point.
constexpr double MaximumFitRadius = 1 << 19;
constexpr double FitMargin = 24.0;
// One notch of a mouse wheel.
constexpr double WheelStepFactor = 1.25;
constexpr double KeyZoomFactor = 2.0;
constexpr int WheelNotch = 120;
// The colour beyond the top and bottom of the world.
constexpr QRgb OutsideTheWorld = 0xffc9ccc4;

} // namespace

MapView::MapView(QWidget* parent)
    : QWidget(parent)
    , m_model(MakeOfflineModel())
    , m_layer(std::make_unique<ShapeLayer>())
    , m_map(std::make_unique<Marble::MarbleMap>(m_model.get()))
{
    m_map->setMapThemeId(QString::fromLatin1(OfflineTheme));
    m_map->setProjection(Marble::Mercator);
    m_map->setShowScaleBar(true);
    m_map->addLayer(m_layer.get());
    m_layer->SetShapes(&m_shapes);
    connect(m_map.get(), &Marble::MarbleMap::repaintNeeded, this, &MapView::Redraw);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    setMinimumSize(160, 120);
}

MapView::~MapView()
{
    m_map->removeLayer(m_layer.get());
}

void MapView::SetShapes(MapShapes shapes)
{
    m_shapes = std::move(shapes);
    if (m_followsShapes)
        FitAll();
    Redraw();
}

void MapView::SetSelected(std::optional<int> id)
{
    m_layer->SetSelected(id);
    Redraw();
}

void MapView::CentreOn(int id)
{
    const std::optional<location::Coordinates> centre = m_shapes.FindCentre(id);
    if (!centre)
        return;
    StopFollowing();
    m_map->centerOn(centre->longitude, centre->latitude);
    Redraw();
}

void MapView::FitAll()
{
    m_followsShapes = true;
    SyncMapSize();
    const std::optional<GeoBox> box = BoundingBox(m_shapes);
    if (!box) {
        m_map->centerOn(0.0, 20.0);
        SetRadius(width() / 4.0);
        Redraw();
        return;
    }
    // Pixels grow in proportion to the radius: measure the box at one radius, then scale.
    const double middleLongitude = NormalizedLongitude((box->west + box->east) / 2);
    m_map->centerOn(middleLongitude, (box->south + box->north) / 2);
    const ScreenProjection projection(*m_map->viewport());
    const double boxWidth = (box->east - box->west) * projection.PixelsPerDegree();
    location::Coordinates south;
    south.latitude = box->south;
    south.longitude = middleLongitude;
    location::Coordinates north = south;
    north.latitude = box->north;
    const double boxHeight = projection.Pixel(south).y() - projection.Pixel(north).y();
    const double room = std::min((width() - 2 * FitMargin) / std::max(boxWidth, 1e-9),
                                 (height() - 2 * FitMargin) / std::max(boxHeight, 1e-9));
    SetRadius(std::min(m_map->radius() * room, MaximumFitRadius));
    // Mercator stretches towards the poles: the middle latitude is not the middle pixel.
    const ScreenProjection scaled(*m_map->viewport());
    const double middleY = (scaled.Pixel(south).y() + scaled.Pixel(north).y()) / 2;
    PanBy(QPointF(0.0, height() / 2.0 - middleY));
    Redraw();
}

void MapView::ZoomBy(double factor, std::optional<QPointF> anchor)
{
    StopFollowing();
    const QPointF offset = anchor.value_or(QPointF(rect().center())) - QPointF(width() / 2.0, height() / 2.0);
    PanBy(-offset);
    SetRadius(m_map->radius() * factor);
    PanBy(offset);
    Redraw();
}

bool MapView::IsWorldMapRead() const
{
    return m_model->fileManager()->pendingFiles() == 0;
}

const Marble::ViewportParams& MapView::Viewport() const
{
    return *m_map->viewport();
}

QSize MapView::sizeHint() const
{
    return {480, 480};
}

void MapView::RenderFrame()
{
    const qreal ratio = devicePixelRatioF();
    m_frame = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    m_frame.setDevicePixelRatio(ratio);
    m_frame.fill(OutsideTheWorld);
    Marble::GeoPainter painter(&m_frame, m_map->viewport(), m_map->mapQuality());
    m_map->paint(painter, QRect());
    m_frameStale = false;
}

void MapView::Redraw()
{
    m_frameStale = true;
    update();
}

void MapView::paintEvent(QPaintEvent* /*event*/)
{
    if (m_frameStale || m_frame.size() != size() * devicePixelRatioF())
        RenderFrame();
    QPainter painter(this);
    if (!m_dragOffset.isNull())
        painter.fillRect(rect(), QColor::fromRgba(OutsideTheWorld));
    painter.drawImage(m_dragOffset, m_frame);
}

void MapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    SyncMapSize();
    if (m_followsShapes)
        FitAll();
    Redraw();
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressPosition = event->pos();
    m_dragging = false;
}

void MapView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressPosition || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    const QPoint offset = event->pos() - *m_pressPosition;
    if (!m_dragging && offset.manhattanLength() < QApplication::startDragDistance())
        return;
    if (!m_dragging)
        setCursor(Qt::ClosedHandCursor);
    m_dragging = true;
    // Moves the last frame only; the map is drawn again where the drag ends.
    m_dragOffset = offset;
    update();
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressPosition)
        return QWidget::mouseReleaseEvent(event);
    m_pressPosition.reset();
    if (m_dragging) {
        m_dragging = false;
        setCursor(Qt::OpenHandCursor);
        StopFollowing();
        PanBy(m_dragOffset);
        m_dragOffset = QPoint();
        Redraw();
        return;
    }
    const std::optional<int> hit = HitShape(m_shapes, ScreenProjection(*m_map->viewport()), event->pos());
    if (!hit)
        return;
    SetSelected(hit);
    emit ShapeClicked(*hit);
}

void MapView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / static_cast<double>(WheelNotch);
    if (notches == 0.0)
        return QWidget::wheelEvent(event);
    ZoomBy(std::pow(WheelStepFactor, notches), event->position());
}

void MapView::keyPressEvent(QKeyEvent* event)
{
    const QPointF step(width() / 4.0, height() / 4.0);
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomBy(KeyZoomFactor); break;
    case Qt::Key_Minus: ZoomBy(1.0 / KeyZoomFactor); break;
    case Qt::Key_Left: PanBy({step.x(), 0.0}); break;
    case Qt::Key_Right: PanBy({-step.x(), 0.0}); break;
    case Qt::Key_Up: PanBy({0.0, step.y()}); break;
    case Qt::Key_Down: PanBy({0.0, -step.y()}); break;
    default: return QWidget::keyPressEvent(event);
    }
    StopFollowing();
    Redraw();
}

void MapView::PanBy(const QPointF& pixels)
{
    SyncMapSize();
    const ScreenProjection projection(*m_map->viewport());
    location::Coordinates centre;
    centre.longitude = m_map->centerLongitude();
    centre.latitude = m_map->centerLatitude();
    const double longitude = centre.longitude - pixels.x() / projection.PixelsPerDegree();
    const double latitude = projection.LatitudeAtRow(projection.Pixel(centre).y() - pixels.y());
    m_map->centerOn(NormalizedLongitude(longitude), latitude);
}

void MapView::SyncMapSize()
{
    // A hidden widget learns its size before it gets its resize event.
    if (m_map->size() != size())
        m_map->setSize(size());
}

void MapView::SetRadius(double radius)
{
    m_map->setRadius(static_cast<int>(std::lround(std::clamp(radius, MinimumRadius, MaximumRadius))));
}

} // namespace map
