#pragma once

// The rows veltaro-tide run prints, one per step of a drawing:
// t,date,time,Ssea,Msea,MSangle,MSGangle and the columns asked for.

#include "plot/csvformat.h"
#include "plot/plotrun.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace veltaro::cli {

/// One row: the moment of a step and the values printed for it.
struct RunRow {
    plot::Moment moment;
    double values[4]; ///< Ssea, Msea [km], MSangle, MSGangle [radians]
};

/// A sink that writes every step as a row to standard output (writeOut). The
/// rows are formatted and written on a thread of the sink's own, in order, while
/// the run goes on: on a long run the formatting would otherwise cost as much as
/// the evaluation. Once a write fails, the rows after it are dropped.
class RunCsvSink : public plot::PlotSink {
public:
    explicit RunCsvSink(const plot::CsvColumns& columns);
    /// Writes whatever is left (finish).
    ~RunCsvSink() override;
    RunCsvSink(const RunCsvSink&) = delete;
    RunCsvSink& operator=(const RunCsvSink&) = delete;

    void step(plot::PlotMode mode, const plot::Moment& m, const astro::TideEvaluation& e) override;

    /// Writes every row handed over so far and returns when they are written.
    void finish();

private:
    struct Writer;
    std::unique_ptr<Writer> m_writer;
    std::vector<RunRow> m_block; // rows not yet handed to the writer
};

} // namespace veltaro::cli
