#include "RunnableTask.h"

#include "CryptLog/log/Log.h"

#include <exception>

namespace cmn {

RunnableTask::RunnableTask(const QString& id, std::function<void()> task, QObject* parent)
    : QThread(parent)
    , m_id(id)
    , m_task(std::move(task))
{
}

RunnableTask::~RunnableTask()
{
    wait();
}

void RunnableTask::run()
{
    emit Started(m_id);
    try {
        if (m_task)
            m_task();
    } catch (const std::exception& exception) {
        EmitError(exception);
    }
    emit Finished(m_id);
}

void RunnableTask::EmitError(const std::exception& exception)
{
    LOG_ERROR << exception.what();
    emit Error(m_id, QString::fromUtf8(exception.what()));
}

} // namespace cmn
