#pragma once

#include <QFuture>
#include <QObject>
#include <QString>

#include <cstdint>

namespace host {

class PlugInHost;

namespace viewer {

// Drives the plug-in through a backup off the GUI thread, in the order the plug-in expects:
// data path, category, size, parse. The page is made afterwards on the GUI thread. One backup at
// a time; the results arrive as signals on the GUI thread.
class BackupLoader final : public QObject {
    Q_OBJECT

public:
    explicit BackupLoader(PlugInHost& plugInHost, QObject* parent = nullptr);
    // Waits for a running parse: the plug-in must not outlive its caller's interest.
    ~BackupLoader() override;

    // Starts reading the backup whose descriptor is `descriptorPath`; ignored while busy.
    void Open(const QString& descriptorPath);
    bool IsBusy() const;
    // The running parse is discarded when it ends.
    void Stop();
    // Tells the plug-in's page to stop, on a worker: the plug-in waits for the GUI thread to run
    // the page's shutdown, so the caller must keep processing events until the future finishes.
    QFuture<void> DetachView();
    // Blocks until the running work, if any, has ended, processing events meanwhile.
    void WaitUntilIdle();

signals:
    // The backup holds Apple Maps data; `size` is the record count, all bits set when unknown.
    void CategoryFound(QString name, QString iconPath, QString disabledIconPath, quint64 size);
    void NoCategory(QString descriptorPath);
    void Parsed();
    void Stopped();
    void Failed(QString message);

private:
    void Load(const QString& descriptorPath);

    PlugInHost& m_plugInHost;
    QFuture<void> m_work;
};

} // namespace viewer
} // namespace host
