#pragma once

#include "IMapPanel.h"

#include <QWidget>

class QLabel;

namespace map {

class MapShapes;
class MapView;

// The map with what it shows in words above it ("1,234 shown, 56 without a location") and
// buttons to zoom and to fit every shape in view.
class MapPanel final : public QWidget, public IMapPanel {
    Q_OBJECT

public:
    explicit MapPanel(QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    void SetShapes(MapShapes shapes) override;
    void SetSelected(std::optional<int> id) override;
    void CentreOn(int id) override;
    void FitAll() override;
    QString Caption() const override;
    void SetShapeClickedHandler(std::function<void(int id)> handler) override;
    MapView* View() const { return m_view; }

private:
    QLabel* m_caption;
    MapView* m_view;
};

} // namespace map
