#ifndef KVB_REQUESTBENCHMARK_H
#define KVB_REQUESTBENCHMARK_H

#include <QByteArray>
#include <QString>

class BenchmarkTable;

// An address request as the contact page sends it, through the engine
// client to the stand-in engine, beside a call of the engine's entry point
// with the parameter text that the client passes it: the client's own work
// (announcing the caller, the parameter map, the reply) should cost little
// beside the engine's.
class RequestBenchmark
{
public:
    // The engine library is loaded from the file library.
    explicit RequestBenchmark(const QByteArray &library);

    // False when the engine cannot be loaded or the two calls answer
    // differently, which errorString() then tells.
    bool run(BenchmarkTable &table, int repetitions);
    QString errorString() const { return m_error; }

private:
    QByteArray m_library;
    QString m_error;
};

#endif
