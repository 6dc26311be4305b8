#pragma once

#include "astro/tide.h"

#include <cstddef>
#include <memory>
#include <span>

namespace veltaro::astro {

/// Evaluates batches on two cores: the calling thread and one helper thread
/// that lives as long as the worker.
///
/// A batch of a hundred moments or more is cut into chunks, which the caller and
/// the helper take in turn until none is left; a helper that is slow to wake
/// (the other core busy with something else) leaves the caller all the work,
/// never waiting for it. Every moment is evaluated on its own (calcBatch), so
/// the results are the bits one thread gives. Between batches the helper keeps
/// looking for a short while, yielding its core to other threads, then sleeps:
/// the slices of a drawing follow one another faster than that, so it is awake
/// for each, and an idle program costs nothing.
class CalcWorker {
public:
    /// `helper` false, or a machine with one core, evaluates everything on
    /// the calling thread.
    explicit CalcWorker(bool helper = true);
    ~CalcWorker();
    CalcWorker(const CalcWorker&) = delete;
    CalcWorker& operator=(const CalcWorker&) = delete;

    /// calcBatch on two cores; the outcome is calcBatch's for the whole batch.
    /// One batch at a time: not to be called from two threads at once.
    BatchOutcome operator()(std::span<const TideInput> at, std::span<TideEvaluation> out);

    /// Whether a helper thread runs.
    bool helped() const;

    /// Batches shorter than this are evaluated on the calling thread alone.
    static constexpr std::size_t kSmallestSplit = 128;

private:
    struct Helper;
    std::unique_ptr<Helper> m_helper;
};

} // namespace veltaro::astro
