#pragma once

#include <QFuture>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>

namespace host {

class PlugInHost;

namespace viewer {

// Drives the plug-in through a backup off the GUI thread, in the order the plug-in expects:
// data path, category, size, parse. The page is made afterwards on the GUI thread. The results
// arrive as signals on the GUI thread, only for the backup opened last and not stopped.
//
// Stop lets the window go on at once: the stopped parse winds down on the worker while nothing
// of it reaches the window, and a backup opened meanwhile waits on the worker until it has.
class BackupLoader final : public QObject {
    Q_OBJECT

public:
    explicit BackupLoader(PlugInHost& plugInHost, QObject* parent = nullptr);
    // Waits for the worker: the plug-in must not outlive its caller's interest.
    ~BackupLoader() override;

    // Starts reading the backup whose descriptor is `descriptorPath`; ignored while busy.
    void Open(const QString& descriptorPath);
    // A backup is being read for the window; a stopped one winding down does not count.
    bool IsBusy() const { return m_busy; }
    // Ends the read for the window at once and emits Stopped; the plug-in is told to stop.
    void Stop();
    // Tells the plug-in's page to stop, on a worker: the plug-in waits for the GUI thread to run
    // the page's shutdown, so the caller must keep processing events until the future finishes.
    QFuture<void> DetachView();
    // Blocks until the worker is idle, stopped reads included, processing events meanwhile.
    void WaitUntilIdle();

signals:
    // The backup holds Apple Maps data; `size` is the record count, all bits set when unknown.
    void CategoryFound(QString name, QString iconPath, QString disabledIconPath, quint64 size);
    void NoCategory(QString descriptorPath);
    // `size` is the number of records the parse extracted.
    void Parsed(quint64 size);
    void Stopped();
    void Failed(QString message);

private:
    void Load(const QString& descriptorPath, quint64 generation);
    bool IsStopped(quint64 generation);
    // Runs `emitResult` on the GUI thread unless the read of `generation` is over by then.
    void Deliver(quint64 generation, std::function<void()> emitResult, bool final = false);

    PlugInHost& m_plugInHost;
    // One thread: a read starts only after the previous one, stopped or not, has ended.
    QThreadPool m_worker;
    QFuture<void> m_lastWork;
    quint64 m_generation = 0; // the read of the window, GUI thread only
    bool m_busy = false;
    // Guards the plug-in's stop flag against a Stop that lands while a read starts.
    QMutex m_stopMutex;
    quint64 m_stoppedGeneration = 0;
};

} // namespace viewer
} // namespace host
