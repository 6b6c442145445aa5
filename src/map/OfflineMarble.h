#pragma once

#include <memory>

namespace Marble {
class MarbleModel;
}

namespace map {

// The political world map that Marble's data package ships: drawn from files on this machine.
inline constexpr char OfflineTheme[] = "earth/political/political.dgml";

// A Marble model that loads only the plug-ins that read the offline theme's files (never one
// that fetches tiles, searches, routes or news) and never downloads.
std::unique_ptr<Marble::MarbleModel> MakeOfflineModel();

} // namespace map
