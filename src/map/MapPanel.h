#pragma once

#include <QWidget>

class QLabel;

namespace map {

class MapShapes;
class MapView;

// The map with what it shows in words above it ("1,234 shown, 56 without a location") and
// buttons to zoom and to fit every shape in view.
class MapPanel final : public QWidget {
    Q_OBJECT

public:
    explicit MapPanel(QWidget* parent = nullptr);

    void SetShapes(MapShapes shapes);
    MapView* View() const { return m_view; }
    QString Caption() const;

private:
    QLabel* m_caption;
    MapView* m_view;
};

} // namespace map
