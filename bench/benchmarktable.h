#ifndef KVB_BENCHMARKTABLE_H
#define KVB_BENCHMARKTABLE_H

#include <QList>
#include <QString>

#include <functional>

class QTextStream;

// Operations of the program timed beside a baseline that does the least any
// implementation would have to do, and the ratio of the two held against a
// goal. Both are run alternately within one run, so that a machine that
// slows down or speeds up meanwhile affects them alike, and the medians are
// compared.
class BenchmarkTable
{
public:
    // Times ours and baseline alternately, repetitions times each, after a
    // few runs to warm up. tidyUp, when given, runs after each run of ours,
    // untimed: for undoing what is not part of the operation.
    void compare(const QString &operation, double goal, int repetitions,
        const std::function<void()> &ours, const std::function<void()> &baseline,
        const std::function<void()> &tidyUp = {});

    // Prints one row per operation and a last line "goals met: N of M";
    // returns the number of goals missed.
    int print(QTextStream &out) const;

private:
    struct Row
    {
        QString operation;
        double ours; // median, in milliseconds
        double baseline;
        double goal; // the highest ratio of ours to baseline that meets it
    };

    QList<Row> m_rows;
};

#endif
