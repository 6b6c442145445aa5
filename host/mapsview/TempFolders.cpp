#include "TempFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <thread>
#endif

namespace host {
namespace {

constexpr char kFolderPrefix[] = "mapsview-";

// When the process started, in the system's own unit; 0 where the system does not tell. With the
// id it names one process even after the id is reused.
quint64 ProcessStartTime(qint64 processId)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(processId));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // The command name in parentheses may hold blanks; the start time is the 20th field after it.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields.at(19).toULongLong() : 0;
}

QString ProcessTag(qint64 processId, quint64 startTime)
{
    return QStringLiteral("%1%2-%3-").arg(QLatin1String(kFolderPrefix)).arg(processId).arg(startTime);
}

const QString& OwnTag()
{
    static const QString tag =
        ProcessTag(QCoreApplication::applicationPid(), ProcessStartTime(QCoreApplication::applicationPid()));
    return tag;
}

bool IsRunning(qint64 processId, quint64 startTime)
{
#ifdef Q_OS_UNIX
    // EPERM: the process exists, it is only someone else's.
    if (::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH)
        return false;
#endif
    return ProcessStartTime(processId) == startTime;
}

bool IsUsersOwn(const QFileInfo& folder)
{
#ifdef Q_OS_UNIX
    return folder.ownerId() == ::geteuid();
#else
    return folder.isWritable();
#endif
}

// The folders of the system's temporary folder that a run of this program made, with their tags.
QFileInfoList PrivateTempFolders()
{
    return QDir(QDir::tempPath())
        .entryInfoList({QLatin1String(kFolderPrefix) + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

// The plug-in's threads go on meanwhile: a copy they start after the folder's files were listed
// would keep the folder. Renamed first, it takes no file by its old path; the name keeps the tag,
// so that whatever stays goes at the next start.
void RemoveOwnTempFolders()
{
    for (const QFileInfo& folder : PrivateTempFolders()) {
        if (!folder.fileName().startsWith(OwnTag()))
            continue;
        const QString renamed = folder.absoluteFilePath() + QLatin1Char('~');
        QDir(QDir().rename(folder.absoluteFilePath(), renamed) ? renamed : folder.absoluteFilePath())
            .removeRecursively();
    }
}

} // namespace

QString PrivateTempFolderTemplate()
{
    return QDir(QDir::tempPath()).filePath(OwnTag() + QStringLiteral("XXXXXX"));
}

void RemoveStaleTempFolders()
{
    for (const QFileInfo& folder : PrivateTempFolders()) {
        const QStringList parts = folder.fileName().mid(int(sizeof kFolderPrefix) - 1).split(QLatin1Char('-'));
        bool isProcess = false;
        bool isTime = false;
        const qint64 processId = parts.value(0).toLongLong(&isProcess);
        const quint64 startTime = parts.value(1).toULongLong(&isTime);
        if (parts.size() != 3 || !isProcess || !isTime || !IsUsersOwn(folder) || IsRunning(processId, startTime))
            continue;
        QDir(folder.absoluteFilePath()).removeRecursively();
    }
}

void RemoveTempFoldersOnTermination()
{
#ifdef Q_OS_UNIX
    static sigset_t endings;
    sigemptyset(&endings);
    for (const int ending : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&endings, ending);
    pthread_sigmask(SIG_BLOCK, &endings, nullptr);
    OwnTag();
    // Not a handler: this thread may do anything, such as removing folders, while the others go on.
    std::thread([] {
        int caught = 0;
        if (sigwait(&endings, &caught) != 0)
            return;
        RemoveOwnTempFolders();
        std::signal(caught, SIG_DFL);
        sigset_t ending;
        sigemptyset(&ending);
        sigaddset(&ending, caught);
        pthread_sigmask(SIG_UNBLOCK, &ending, nullptr);
        ::raise(caught);
        ::_exit(128 + caught);
    }).detach();
#endif
}

} // namespace host
