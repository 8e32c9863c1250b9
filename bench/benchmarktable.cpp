#include "benchmarktable.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

int warmUpRounds = 3;

QString timeText(double milliseconds)
{
    if (milliseconds < 1)
        return QStringLiteral("%1 us").arg(milliseconds * 1000, 0, 'f', 1);
    return QStringLiteral("%1 ms").arg(milliseconds, 0, 'f', milliseconds < 100 ? 2 : 1);
}

QString mebibyteText(double mebibytes)
{
    return QStringLiteral("%1 MiB").arg(mebibytes, 0, 'f', 1);
}

QString differenceText(double mebibytes)
{
    return (mebibytes < 0 ? QString() : QStringLiteral("+")) + mebibyteText(mebibytes);
}

QString ratioText(double ratio)
{
    return QStringLiteral("%1x").arg(ratio, 0, 'f', 2);
}

} // namespace

void BenchmarkTable::setWarmUpRounds(int rounds)
{
    warmUpRounds = rounds;
}

BenchmarkTable::Medians BenchmarkTable::alternate(
    int repetitions, const std::function<double()> &ours, const std::function<double()> &baseline)
{
    const QList<double> medians = rotate(repetitions, {ours, baseline});
    return Medians {medians.at(0), medians.at(1)};
}

QList<double> BenchmarkTable::rotate(int repetitions, const QList<std::function<double()>> &runs)
{
    const qsizetype count = runs.size();
    for (int round = 0; round < warmUpRounds; ++round) {
        for (const std::function<double()> &run : runs)
            run();
    }
    QList<QList<double>> values(count);
    for (int round = 0; round < repetitions; ++round) {
        for (qsizetype step = 0; step < count; ++step) {
            const qsizetype index = (round + step) % count;
            values[index].append(runs.at(index)());
        }
    }
    QList<double> medians;
    for (const QList<double> &measured : std::as_const(values))
        medians.append(median(measured));
    return medians;
}

double BenchmarkTable::milliseconds(const std::function<void()> &operation)
{
    QElapsedTimer timer;
    timer.start();
    operation();
    return double(timer.nsecsElapsed()) / 1e6;
}

double BenchmarkTable::median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

void BenchmarkTable::addTimeRatio(const QString &operation, Medians milliseconds, double goal)
{
    const double ratio = milliseconds.ours / milliseconds.baseline;
    m_rows.append(Row {operation, timeText(milliseconds.ours), timeText(milliseconds.baseline),
        ratioText(ratio), QStringLiteral("<= ") + ratioText(goal), ratio <= goal});
}

void BenchmarkTable::addGrowth(
    const QString &operation, Medians milliseconds, double inputRatio, double goal)
{
    const double growth = milliseconds.ours / milliseconds.baseline / inputRatio;
    m_rows.append(Row {operation, timeText(milliseconds.ours), timeText(milliseconds.baseline),
        ratioText(growth) + QStringLiteral(" input"),
        QStringLiteral("<= ") + ratioText(goal) + QStringLiteral(" input"), growth <= goal});
}

void BenchmarkTable::addMemory(
    const QString &operation, Medians mebibytes, double maximumMore, bool strictly)
{
    const double more = mebibytes.ours - mebibytes.baseline;
    m_rows.append(Row {operation, mebibyteText(mebibytes.ours), mebibyteText(mebibytes.baseline),
        differenceText(more),
        (strictly ? QStringLiteral("< ") : QStringLiteral("<= ")) + differenceText(maximumMore),
        strictly ? more < maximumMore : more <= maximumMore});
}

void BenchmarkTable::addNote(
    const QString &operation, Medians medians, Unit unit, const QString &note)
{
    if (unit == Unit::Milliseconds) {
        m_rows.append(Row {operation, timeText(medians.ours), timeText(medians.baseline),
            ratioText(medians.ours / medians.baseline), note, std::nullopt});
    } else {
        m_rows.append(Row {operation, mebibyteText(medians.ours), mebibyteText(medians.baseline),
            differenceText(medians.ours - medians.baseline), note, std::nullopt});
    }
}

int BenchmarkTable::print(QTextStream &out) const
{
    const Row header {QStringLiteral("operation"), QStringLiteral("ours"),
        QStringLiteral("baseline"), QStringLiteral("compared"), QStringLiteral("goal"),
        std::nullopt};
    QList<qsizetype> widths {0, 0, 0, 0, 0};
    for (const Row &row : QList<Row> {header} + m_rows) {
        const QList<qsizetype> sizes {row.operation.size(), row.ours.size(), row.baseline.size(),
            row.compared.size(), row.goal.size()};
        for (int column = 0; column < widths.size(); ++column)
            widths[column] = std::max(widths[column], sizes[column]);
    }

    const auto printRow = [&out, &widths](const Row &row, const QString &met) {
        out << row.operation.leftJustified(widths[0]) << "  " << row.ours.rightJustified(widths[1])
            << "  " << row.baseline.rightJustified(widths[2]) << "  "
            << row.compared.rightJustified(widths[3]) << "  " << row.goal.leftJustified(widths[4])
            << "  " << met << '\n';
    };
    printRow(header, QStringLiteral("met"));
    int goals = 0;
    int met = 0;
    for (const Row &row : m_rows) {
        if (row.met.has_value()) {
            ++goals;
            met += *row.met ? 1 : 0;
        }
        printRow(row,
            !row.met.has_value() ? QStringLiteral("-")
                : *row.met       ? QStringLiteral("yes")
                                 : QStringLiteral("no"));
    }
    out << QStringLiteral("goals met: %1 of %2\n").arg(met).arg(goals);
    out.flush();
    return goals - met;
}
