#include "KitResources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, so it must be
// used outside any namespace, the anonymous one included.
static void RegisterKitResources()
{
    Q_INIT_RESOURCE(KitResources);
}

namespace resources {

void InitKitResources()
{
    static std::once_flag registered;
    std::call_once(registered, RegisterKitResources);
}

} // namespace resources
