#pragma once

#include "location/Coordinates.h"

#include <optional>
#include <vector>

namespace map {

enum class PointKind {
    Place,
    DroppedPin,
};

// Every shape carries the caller's id, which the map hands back when the shape is clicked.
struct MapPoint {
    int id;
    location::Coordinates position;
    PointKind kind;
};

struct MapLine {
    int id;
    location::Coordinates start;
    location::Coordinates end;
};

struct MapRectangle {
    int id;
    location::MapRegion region;
};

// What one frame of the map shows, and how many records had no place on it. The Add operations
// take only what a map can place (location::IsPlaceable for every point) and say whether they did.
class MapShapes final {
public:
    bool AddPoint(int id, const location::Coordinates& position, PointKind kind);
    bool AddLine(int id, const location::Coordinates& start, const location::Coordinates& end);
    // A region whose west longitude is east of its east longitude crosses the date line.
    bool AddRectangle(int id, const location::MapRegion& region);
    void CountWithoutLocation() { ++m_withoutLocation; }

    const std::vector<MapPoint>& Points() const { return m_points; }
    const std::vector<MapLine>& Lines() const { return m_lines; }
    const std::vector<MapRectangle>& Rectangles() const { return m_rectangles; }
    int ShownCount() const;
    int WithoutLocationCount() const { return m_withoutLocation; }

    // Where the shape with this id sits: a point, the middle of a line or of a rectangle.
    std::optional<location::Coordinates> FindCentre(int id) const;

private:
    std::vector<MapPoint> m_points;
    std::vector<MapLine> m_lines;
    std::vector<MapRectangle> m_rectangles;
    int m_withoutLocation = 0;
};

} // namespace map
