#pragma once

namespace host {

// Containers and fresh machines often name a locale in LANG or LC_ALL that they do not have,
// and the C++ runtime refuses to build it, which would end the process the first time a path is
// converted. Then the C++ side starts from the classic locale instead; Qt keeps reading the
// environment for the interface language. Call it first thing in main.
void FallBackFromMissingLocale();

} // namespace host
