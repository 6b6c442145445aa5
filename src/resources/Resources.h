#pragma once

namespace resources {

// Registers the resources of this static library (":/translations/..."). A static library's
// resources are not registered by themselves; call this before the first lookup. Repeated
// calls do nothing.
void InitResources();

} // namespace resources
