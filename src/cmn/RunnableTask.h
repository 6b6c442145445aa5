#pragma once

#include <QString>
#include <QThread>

#include <functional>

namespace cmn {

// Runs one task on its own thread. Finished follows Started also after an Error; receivers on
// the GUI thread get the signals through queued connections.
class RunnableTask : public QThread {
    Q_OBJECT

public:
    RunnableTask(const QString& id, std::function<void()> task, QObject* parent = nullptr);
    // Waits for the thread before the task is released.
    ~RunnableTask() override;

signals:
    void Started(const QString& id);
    void Finished(const QString& id);
    void Error(const QString& id, const QString& message);

protected:
    void run() override;

private:
    void EmitError(const std::exception& exception);

    QString m_id;
    std::function<void()> m_task;
};

} // namespace cmn
