#ifndef KVB_LEAKBENCHMARK_H
#define KVB_LEAKBENCHMARK_H

#include <QByteArray>
#include <QString>

class BenchmarkData;
class BenchmarkTable;
class QStackedWidget;
class QWidget;

// Runs the program's window through many rounds of what a user repeats:
// open the country dialog and choose a country there, choose a region, and
// press Next, with the stand-in engine answering. The memory in use on the
// heap after the first rounds and after all of them should differ by no
// more than noise.
class LeakBenchmark
{
public:
    LeakBenchmark(const BenchmarkData &data, const QByteArray &program);

    // Plays rounds rounds, at least one more than the first ones; false
    // when a round cannot be completed, which errorString() then tells.
    bool run(BenchmarkTable &table, int rounds);
    QString errorString() const { return m_error; }

private:
    bool playRound(QStackedWidget *stack, QWidget *firstPage);

    const BenchmarkData &m_data;
    QByteArray m_program;
    QString m_error;
};

#endif
