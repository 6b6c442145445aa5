#include "Resources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, so it must be
// used outside any namespace, the anonymous one included.
static void RegisterResources()
{
    Q_INIT_RESOURCE(AppleMapsTranslations);
}

namespace resources {

void InitResources()
{
    static std::once_flag registered;
    std::call_once(registered, RegisterResources);
}

} // namespace resources
