#include "benchmarktable.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int WarmUpRuns = 3;

double milliseconds(const std::function<void()> &operation)
{
    QElapsedTimer timer;
    timer.start();
    operation();
    return timer.nsecsElapsed() / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

} // namespace

void BenchmarkTable::compare(const QString &operation, double goal, int repetitions,
    const std::function<void()> &ours, const std::function<void()> &baseline,
    const std::function<void()> &tidyUp)
{
    const auto runOurs = [&ours, &tidyUp] {
        const double time = milliseconds(ours);
        if (tidyUp)
            tidyUp();
        return time;
    };
    for (int i = 0; i < WarmUpRuns; ++i) {
        runOurs();
        baseline();
    }
    QList<double> oursTimes;
    QList<double> baselineTimes;
    for (int i = 0; i < repetitions; ++i) {
        // Half of the pairs start with the baseline, so that neither side
        // always finds the caches warmed by the other.
        if (i % 2) {
            oursTimes.append(runOurs());
            baselineTimes.append(milliseconds(baseline));
        } else {
            baselineTimes.append(milliseconds(baseline));
            oursTimes.append(runOurs());
        }
    }
    m_rows.append(Row {operation, median(oursTimes), median(baselineTimes), goal});
}

int BenchmarkTable::print(QTextStream &out) const
{
    int operationWidth = 9;
    for (const Row &row : m_rows)
        operationWidth = std::max(operationWidth, int(row.operation.size()));

    out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
               .arg(QStringLiteral("operation"), -operationWidth)
               .arg(QStringLiteral("ours (ms)"), 10)
               .arg(QStringLiteral("baseline (ms)"), 13)
               .arg(QStringLiteral("ratio"), 6)
               .arg(QStringLiteral("goal"), 6)
               .arg(QStringLiteral("met"));
    int met = 0;
    for (const Row &row : m_rows) {
        const double ratio = row.ours / row.baseline;
        const bool isMet = ratio <= row.goal;
        met += isMet ? 1 : 0;
        out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                   .arg(row.operation, -operationWidth)
                   .arg(row.ours, 10, 'f', 2)
                   .arg(row.baseline, 13, 'f', 2)
                   .arg(ratio, 6, 'f', 2)
                   .arg(row.goal, 6, 'f', 2)
                   .arg(isMet ? QStringLiteral("yes") : QStringLiteral("no"));
    }
    out << QStringLiteral("goals met: %1 of %2\n").arg(met).arg(m_rows.size());
    out.flush();
    return int(m_rows.size()) - met;
}
