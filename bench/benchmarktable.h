#ifndef KVB_BENCHMARKTABLE_H
#define KVB_BENCHMARKTABLE_H

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QTextStream;

// Operations of the program measured beside a baseline that does the least
// any implementation would have to do, each held against a goal. Both are
// run alternately within one run, so that a machine that slows down or
// speeds up meanwhile affects them alike, and the medians are compared.
class BenchmarkTable
{
public:
    struct Medians
    {
        double ours;
        double baseline;
    };
    enum class Unit
    {
        Milliseconds,
        Mebibytes
    };

    // How many runs of each operation go unmeasured first, to warm up; 3
    // unless set.
    static void setWarmUpRounds(int rounds);
    // Runs ours and baseline alternately, repetitions times each, after the
    // runs to warm up, and returns the medians of what they measured.
    static Medians alternate(int repetitions, const std::function<double()> &ours,
        const std::function<double()> &baseline);
    // The same for any number of runs, taken in turn; each round starts with
    // the next one, so that none always finds the caches left by another.
    static QList<double> rotate(int repetitions, const QList<std::function<double()>> &runs);
    // How long operation takes, in milliseconds.
    static double milliseconds(const std::function<void()> &operation);
    static double median(QList<double> values);

    // Met when ours takes at most goal times as long as the baseline.
    void addTimeRatio(const QString &operation, Medians milliseconds, double goal);
    // Times of the same operation on a larger and on the sample input: met
    // when the time grows at most goal times faster than the input.
    void addGrowth(const QString &operation, Medians milliseconds, double inputRatio, double goal);
    // Met when ours needs at most maximumMore MiB more than the baseline, or
    // less than that when strictly is set.
    void addMemory(
        const QString &operation, Medians mebibytes, double maximumMore, bool strictly = false);
    // A measurement shown for what it is, without a goal: times compared by
    // their ratio, memory by its difference.
    void addNote(const QString &operation, Medians medians, Unit unit, const QString &note);

    // What the program does with one hostile data file: no baseline, but
    // limits that no file may make it exceed.
    struct HostileFigures
    {
        double windowMs; // from the start to the window shown
        double peakMebibytes; // up to the window shown
        double countryDialogMs; // from the press to the control shown
        double regionMenuMs;
        double resellerDialogMs;
        double toolTipMs;
        double closeMs; // the window closed, the question answered if asked
    };
    // Met when the window shows within 1 s and under 200 MB, each control
    // opens within 1 s and the window closes within 1 s. These rows come in
    // a table of their own.
    void addHostileFile(const QString &file, const HostileFigures &figures);

    // Prints one row per operation, then the hostile files', and a last
    // line "goals met: N of M"; returns the number of goals missed.
    int print(QTextStream &out) const;

private:
    struct Row
    {
        QString operation;
        QString ours;
        QString baseline;
        QString compared;
        QString goal;
        std::optional<bool> met; // empty for a row without a goal
    };

    struct HostileRow
    {
        QString file;
        HostileFigures figures;
        bool met;
    };

    int printHostileRows(QTextStream &out) const;

    QList<Row> m_rows;
    QList<HostileRow> m_hostileRows;
};

#endif
