#pragma once

namespace resources {

// Registers the GUI kit's style sheets (":/Widget.qss" ...) and images (":/Resources/images/...").
// Static-library resources are not registered by themselves; the style-sheet manager calls
// this before it loads, and so must any widget that shows a kit image without it. Repeated
// calls do nothing.
void InitKitResources();

} // namespace resources
