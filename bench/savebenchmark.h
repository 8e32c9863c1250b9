#ifndef KVB_SAVEBENCHMARK_H
#define KVB_SAVEBENCHMARK_H

class BenchmarkData;
class BenchmarkTable;

// Saving the registration beside the least a save that survives a crash
// does with the same bytes: write them to a new file in the same folder,
// sync it, rename it onto the name and sync the folder. The document, the
// checks of every step and the owner-only permissions should cost little
// beside that.
class SaveBenchmark
{
public:
    explicit SaveBenchmark(const BenchmarkData &data);

    void run(BenchmarkTable &table, int repetitions);

private:
    const BenchmarkData &m_data;
};

#endif
