#include "benchmarktable.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

int warmUpRounds = 3;

// The limits of every hostile file: a second for each thing the user waits
// for, and 200 MB (not MiB) of memory.
constexpr double HostileTimeLimitMs = 1000;
constexpr double HostileMemoryLimitMebibytes = 200e6 / (1024 * 1024);

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

void BenchmarkTable::addHostileFile(const QString &file, const HostileFigures &figures)
{
    const bool met = figures.windowMs <= HostileTimeLimitMs
        && figures.peakMebibytes < HostileMemoryLimitMebibytes
        && std::max({figures.countryDialogMs, figures.regionMenuMs, figures.resellerDialogMs,
               figures.toolTipMs, figures.closeMs})
            <= HostileTimeLimitMs;
    m_hostileRows.append(HostileRow {file, figures, met});
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
    const int hostileMissed = printHostileRows(out);
    goals += int(m_hostileRows.size());
    met += int(m_hostileRows.size()) - hostileMissed;
    out << QStringLiteral("goals met: %1 of %2\n").arg(met).arg(goals);
    out.flush();
    return goals - met;
}

int BenchmarkTable::printHostileRows(QTextStream &out) const
{
    if (m_hostileRows.isEmpty())
        return 0;
    const QStringList header {QStringLiteral("hostile file"), QStringLiteral("window"),
        QStringLiteral("memory"), QStringLiteral("countries"), QStringLiteral("regions"),
        QStringLiteral("resellers"), QStringLiteral("tool tip"), QStringLiteral("close"),
        QStringLiteral("met")};
    QList<QStringList> rows {header};
    int missed = 0;
    for (const HostileRow &row : m_hostileRows) {
        const HostileFigures &figures = row.figures;
        rows.append({row.file, timeText(figures.windowMs), mebibyteText(figures.peakMebibytes),
            timeText(figures.countryDialogMs), timeText(figures.regionMenuMs),
            timeText(figures.resellerDialogMs), timeText(figures.toolTipMs),
            timeText(figures.closeMs), row.met ? QStringLiteral("yes") : QStringLiteral("no")});
        missed += row.met ? 0 : 1;
    }
    QList<qsizetype> widths(header.size(), 0);
    for (const QStringList &row : std::as_const(rows)) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row.at(column).size());
    }
    out << '\n';
    for (const QStringList &row : std::as_const(rows)) {
        out << row.at(0).leftJustified(widths[0]);
        for (qsizetype column = 1; column < row.size() - 1; ++column)
            out << "  " << row.at(column).rightJustified(widths[column]);
        out << "  " << row.last() << '\n';
    }
    out << QStringLiteral("goal of each hostile file: the window shown within %1 s and under "
                          "200 MB (%2 MiB), each of the four controls open within %1 s, the "
                          "window closed within %1 s\n")
               .arg(HostileTimeLimitMs / 1000)
               .arg(HostileMemoryLimitMebibytes, 0, 'f', 1);
    return missed;
}
