#ifndef KVB_SAVEBENCHMARK_H
#define KVB_SAVEBENCHMARK_H

class BenchmarkData;
class BenchmarkTable;

// Saving the registration beside writing the same bytes with QSaveFile
// into the same folder: the document, the checks of every step of the
// write and the owner-only permissions should cost little beside the write.
class SaveBenchmark
{
public:
    explicit SaveBenchmark(const BenchmarkData &data);

    void run(BenchmarkTable &table, int repetitions);

private:
    const BenchmarkData &m_data;
};

#endif
