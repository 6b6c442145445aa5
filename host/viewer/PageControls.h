#pragma once

class QLineEdit;
class QWidget;

namespace host::viewer {

// The controls of a category page that the host drives from outside (scripted screenshots). The
// host knows the page's classes by name only: their code lives in the plug-in.

// The toolbar button of `category` (0 searches, 1 favourites, 2 explored places, 3 directions
// searches); null when the page has none.
QWidget* FindCategoryButton(const QWidget* page, int category);
// The line the user types a search into; null when the page has none.
QLineEdit* FindSearchLine(const QWidget* page);
// Shows the map beside the tables as the user's click on its toggle would; false when the page has
// no map.
bool ShowPageMap(const QWidget* page);
// Presses the category's toolbar button as the user's left mouse button would; false when the
// page has no such button.
bool PressCategoryButton(const QWidget* page, int category);

} // namespace host::viewer
