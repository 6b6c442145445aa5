// ThreadSanitizer does not see inside Qt: QMutex locks there with atomics and futexes that are not
// instrumented, so every object that our code guards with a QMutex would look raced. These
// definitions take the place of Qt's out-of-line QMutex calls for the whole process (modules loaded
// later bind to them too), forward to Qt's own, and tell the sanitizer the order a lock makes.
// Built into the test executables of ThreadSanitizer builds only.
#include <QMutex>

#include <sanitizer/tsan_interface.h>

#include <dlfcn.h>

namespace {

template <typename Function>
Function QtCoreFunction(const char* mangledName)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, mangledName));
}

} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto qtLock = QtCoreFunction<void (*)(QMutex*)>("_ZN6QMutex4lockEv");
    qtLock(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto qtTryLock = QtCoreFunction<bool (*)(QMutex*, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = qtTryLock(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto qtUnlock = QtCoreFunction<void (*)(QMutex*)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    qtUnlock(this);
}
