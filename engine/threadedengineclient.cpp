#include "threadedengineclient.h"

#include <QEventLoop>
#include <QPointer>

#include <memory>
#include <optional>

ThreadedEngineClient::ThreadedEngineClient(EngineClientInterface *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
    , m_worker(std::make_unique<QObject>())
{
    m_thread.setObjectName(QStringLiteral("engine"));
    m_worker->moveToThread(&m_thread);
}

ThreadedEngineClient::~ThreadedEngineClient()
{
    m_thread.quit();
    m_thread.wait();
}

void ThreadedEngineClient::loadEngine(const char *programPath)
{
    m_engine->loadEngine(programPath);
}

int ThreadedEngineClient::verifyAddress(const QByteArray &addressText)
{
    return run([this, addressText] { return m_engine->verifyAddress(addressText); }, NoAnswer);
}

QByteArray ThreadedEngineClient::addressReply() const
{
    // Written by the last check, which has ended before its caller asks.
    return m_engine->addressReply();
}

bool ThreadedEngineClient::submitRegistration(const QByteArray &registrationText)
{
    return run(
        [this, registrationText] { return m_engine->submitRegistration(registrationText); }, false);
}

void ThreadedEngineClient::setCallerType(const char *callerType)
{
    m_engine->setCallerType(callerType);
}

template <typename Result, typename Call>
Result ThreadedEngineClient::run(Call call, Result failure)
{
    // A second call while one is under way would share the engine's reply
    // buffer with it.
    if (m_busy)
        return failure;
    m_busy = true;
    // Started at the first call, so that a start-up spends nothing on it.
    if (!m_thread.isRunning())
        m_thread.start();

    // Shared with the engine thread, which may outlive this call when the
    // application quits first.
    struct Answer
    {
        std::optional<Result> result;
        QPointer<QEventLoop> loop;
    };
    const auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    answer->loop = &loop;
    QMetaObject::invokeMethod(m_worker.get(), [this, call, answer] {
        const Result result = call();
        QMetaObject::invokeMethod(this, [this, result, answer] {
            m_busy = false;
            answer->result = result;
            if (answer->loop)
                answer->loop->quit();
        });
    });
    loop.exec();
    return answer->result.value_or(failure);
}
