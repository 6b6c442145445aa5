#pragma once

#include <QRgb>

// How shapes look on the map. Colours stand out from the world map's fills and borders.
namespace map::style {

constexpr QRgb PlaceFill = 0xffd1122d;
constexpr QRgb DroppedPinFill = 0xff7a1fd1;
constexpr QRgb LineColour = 0xff0b5ed7;
constexpr QRgb RectangleColour = 0xffe06a00;
constexpr QRgb Outline = 0xffffffff;
constexpr QRgb SelectedFill = 0xffffd400;
constexpr QRgb SelectedOutline = 0xff111111;
constexpr QRgb SelectedAreaFill = 0x50ffd400;

// Radii in pixels.
constexpr int PlaceRadius = 4;
constexpr int DroppedPinRadius = 5;
constexpr int LineEndRadius = 3;
// A region too small to show as a rectangle.
constexpr int SmallRectangleRadius = 3;
constexpr int SelectedRadius = 7;
constexpr double LineWidth = 2.0;
constexpr double RectangleWidth = 1.5;
constexpr double SelectedLineWidth = 4.0;

// How near a click must come to a shape to hit it.
constexpr double HitTolerance = 6.0;

} // namespace map::style
