#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace map {

class MapShapes;

// The map with its caption and zoom buttons, as the pages see it. The panel lives in the map's
// own library, which links the world map's library; a page reaches it only through this
// interface, so that processes that never show a map never load either.
class IMapPanel {
public:
    virtual ~IMapPanel() = default;

    // The panel itself; its parent owns it.
    virtual QWidget* Widget() = 0;
    virtual void SetShapes(MapShapes shapes) = 0;
    // Highlights the shape with this id; none highlights nothing.
    virtual void SetSelected(std::optional<int> id) = 0;
    // Puts the shape with this id in the middle of the map at the present zoom.
    virtual void CentreOn(int id) = 0;
    // Every shape in view.
    virtual void FitAll() = 0;
    virtual QString Caption() const = 0;
    // Called with the id of a shape the user clicks.
    virtual void SetShapeClickedHandler(std::function<void(int id)> handler) = 0;
};

// The one function the map's library exports: a new panel, owned by `parent`.
using MakeMapPanelFunction = IMapPanel* (*)(QWidget* parent);
inline constexpr char MakeMapPanelSymbol[] = "MakeMapPanel";

} // namespace map
