#ifndef KVB_CATALOGUEBENCHMARK_H
#define KVB_CATALOGUEBENCHMARK_H

class BenchmarkData;
class BenchmarkTable;

// The country catalogue is read afresh at every opening of the country
// dialog and at every country choice, so both should cost little more than
// parsing the file, and grow no faster than it.
class CatalogueBenchmark
{
public:
    explicit CatalogueBenchmark(const BenchmarkData &data);

    // Opening the dialog and choosing a country, each beside a bare parse of
    // the sample catalogue.
    void run(BenchmarkTable &table, int repetitions);
    // Opening the dialog with catalogues many times the sample, beside the
    // same with the sample.
    void runGrowth(BenchmarkTable &table, int repetitions);

private:
    const BenchmarkData &m_data;
};

#endif
