#include "HostileFiles.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <utility>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

namespace test {
namespace {

void SetWritable(const QString& folder, bool writable)
{
    // WriteUser too: Qt maps it to the owner's bit, which the current user holds.
    const QFileDevice::Permissions write =
        QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    QStringList paths{folder};
    QDirIterator iterator(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (iterator.hasNext())
        paths << iterator.next();
    for (const QString& path : paths) {
        const QFileDevice::Permissions now = QFile::permissions(path);
        QFile::setPermissions(path, writable ? now | QFileDevice::WriteOwner : now & ~write);
    }
}

} // namespace

ReadOnlyTree::ReadOnlyTree(QString folder)
    : m_folder(std::move(folder))
{
    SetWritable(m_folder, false);
}

ReadOnlyTree::~ReadOnlyTree()
{
    SetWritable(m_folder, true);
}

bool ReadOnlyTree::Binds() const
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(m_folder).constData(), W_OK) != 0;
#else
    return !QFileInfo(m_folder).isWritable();
#endif
}

bool FileSizeLimit::Available()
{
#ifdef Q_OS_UNIX
    return true;
#else
    return false;
#endif
}

FileSizeLimit::FileSizeLimit([[maybe_unused]] std::uint64_t bytes)
{
#ifdef Q_OS_UNIX
    // Writes beyond the limit are to fail, not to end the process.
    m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_previousSoft = limit.rlim_cur;
    m_previousHard = limit.rlim_max;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
#endif
}

FileSizeLimit::~FileSizeLimit()
{
#ifdef Q_OS_UNIX
    const rlimit limit{m_previousSoft, m_previousHard};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_previousSignal);
#endif
}

SmallFileSystem::SmallFileSystem(QString folder)
    : m_folder(std::move(folder))
{
#ifdef Q_OS_LINUX
    m_mounted = ::geteuid() == 0
        && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k,mode=0700", "tmpfs", m_folder}) == 0;
#endif
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        QProcess::execute("umount", {m_folder});
}

} // namespace test
