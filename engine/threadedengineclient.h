#ifndef KVB_THREADEDENGINECLIENT_H
#define KVB_THREADEDENGINECLIENT_H

#include "engineclientinterface.h"

#include <QObject>
#include <QThread>

#include <memory>

// An engine client that makes each call of another on a thread of its own,
// always the same one, one call at a time (an engine library may keep state
// by thread), and meanwhile keeps the calling thread's events going: the
// window repaints and answers the desktop and the accessibility bus while a
// slow service works. To the caller a call still looks synchronous: it
// returns with the engine's answer. Input meanwhile is the caller's to hold
// back (see BusyGuard).
//
// Should the application quit while a call is under way, the call returns
// at once with a failure, NoAnswer or false; the engine's late answer is
// dropped.
class ThreadedEngineClient : public QObject, public EngineClientInterface
{
    Q_OBJECT

public:
    // engine must outlive this object; it is used from the engine thread
    // alone, but for loadEngine() and setCallerType(), which call nothing.
    explicit ThreadedEngineClient(EngineClientInterface *engine, QObject *parent = nullptr);
    // Waits for the thread, which must not be busy.
    ~ThreadedEngineClient() override;

    using EngineClientInterface::verifyAddress;
    void loadEngine(const char *programPath) override;
    int verifyAddress(const QByteArray &addressText) override;
    QByteArray addressReply() const override;
    bool submitRegistration(const QByteArray &registrationText) override;
    void setCallerType(const char *callerType) override;

    // Whether a call is under way.
    bool isBusy() const { return m_busy; }

    // What a call answers when it could not be made or was left unanswered.
    static constexpr int NoAnswer = -1;

private:
    // Runs call on the engine thread and waits for its result, or returns
    // failure when the application quits first.
    template <typename Result, typename Call> Result run(Call call, Result failure);

    EngineClientInterface *m_engine;
    QThread m_thread;
    std::unique_ptr<QObject> m_worker;
    bool m_busy = false;
};

#endif
