// Two cores for long runs: a helper thread sharing the chunks of each batch.
#include "astro/calcworker.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace veltaro::astro {

namespace {

/// How long a waiting thread keeps looking before it sleeps, handing its core
/// to whatever else wants it meanwhile (another thread of the program). The
/// batches of a long drawing follow one another faster than this, with the
/// window's recording and painting of each batch between them (some 0.3 ms)
/// and a turn of its event loop between slices: a helper that slept there
/// would wake (50 to 100 us in a virtual machine) to find its half of the next
/// batch taken. An idle program sleeps.
constexpr std::chrono::microseconds kYield{2000};

/// The moments a thread takes at a time: a quarter of what is left, in whole
/// wide vectors of the widest path (32 moments, some 7 us of work), at most
/// kLargestChunk. Large chunks at first keep the two threads from passing the
/// counter back and forth; small ones at the end leave neither waiting long for
/// the other. A diurnal slice of 289 moments goes as 64, then 32 at a time.
constexpr std::size_t kChunk = 32;
constexpr std::size_t kLargestChunk = 512;

std::size_t chunkFor(std::size_t left) {
    std::size_t n = left / 4 / kChunk * kChunk;
    n = n < kChunk ? kChunk : (n > kLargestChunk ? kLargestChunk : n);
    return n < left ? n : left;
}

void relax() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

/// Waits until `value` differs from `old` and returns it: looking, yielding
/// the core now and then, and at last sleeping.
template <class T> T awaitChange(const std::atomic<T>& value, T old) {
    const auto start = std::chrono::steady_clock::now();
    for (int round = 1;; ++round) {
        const T now = value.load(std::memory_order_acquire);
        if (now != old) {
            return now;
        }
        if (round % 32 != 0) {
            relax();
        } else if (std::chrono::steady_clock::now() - start > kYield) {
            value.wait(old, std::memory_order_acquire);
        } else {
            std::this_thread::yield();
        }
    }
}

/// Where the helper stands with the current batch.
enum Stage : int {
    Open,    ///< posted, not yet taken up
    Taken,   ///< the helper is taking chunks
    Closed,  ///< the caller finished it alone; the helper must not start
    Finished ///< the helper has taken its last chunk and finished it
};

/// The earliest fault a thread met in the chunks it took.
struct FirstFault {
    std::size_t at = static_cast<std::size_t>(-1);
    std::optional<std::string> message;
};

} // namespace

struct CalcWorker::Helper {
    // The batch: written by the caller before it opens the stage.
    std::span<const TideInput> at;
    std::span<TideEvaluation> out;
    std::atomic<std::size_t> next{0}; // first moment no thread has taken yet
    FirstFault helperFault;
    // Set once, before the last post. Atomic: a helper woken by an earlier post
    // may read it while it is set, when the caller closed that batch alone and
    // so never waited for the helper; that read sees false, and the helper's
    // next look, after seeing the last post, sees true.
    std::atomic<bool> stop{false};

    std::atomic<int> stage{Closed};
    std::atomic<unsigned> posted{0}; // batches posted; wakes the helper
    std::thread thread;

    /// Takes chunk after chunk until none is left.
    void takeChunks(FirstFault& fault) {
        const std::size_t count = at.size();
        std::size_t first = next.load(std::memory_order_relaxed);
        for (;;) {
            if (first >= count) {
                return;
            }
            const std::size_t n = chunkFor(count - first);
            if (!next.compare_exchange_weak(first, first + n, std::memory_order_relaxed)) {
                continue; // `first` now holds the other thread's new start
            }
            BatchOutcome outcome = calcBatch(at.subspan(first, n), out.subspan(first, n));
            if (outcome.fault && first + outcome.evaluated < fault.at) {
                fault.at = first + outcome.evaluated;
                fault.message = std::move(outcome.fault);
            }
            first = next.load(std::memory_order_relaxed);
        }
    }

    void run() {
        unsigned seen = 0;
        for (;;) {
            seen = awaitChange(posted, seen);
            if (stop.load(std::memory_order_relaxed)) {
                return;
            }
            int open = Open;
            if (stage.compare_exchange_strong(open, Taken, std::memory_order_acq_rel)) {
                helperFault = {};
                takeChunks(helperFault);
                stage.store(Finished, std::memory_order_release);
                stage.notify_one();
            }
        }
    }
};

CalcWorker::CalcWorker(bool helper) {
    if (helper && std::thread::hardware_concurrency() > 1) {
        m_helper = std::make_unique<Helper>();
        m_helper->thread = std::thread([h = m_helper.get()] { h->run(); });
    }
}

CalcWorker::~CalcWorker() {
    if (m_helper) {
        m_helper->stop.store(true, std::memory_order_relaxed);
        m_helper->posted.fetch_add(1, std::memory_order_release);
        m_helper->posted.notify_one();
        m_helper->thread.join();
    }
}

bool CalcWorker::helped() const {
    return m_helper != nullptr;
}

BatchOutcome CalcWorker::operator()(std::span<const TideInput> at, std::span<TideEvaluation> out) {
    const std::size_t count = at.size() < out.size() ? at.size() : out.size();
    if (!m_helper || count < kSmallestSplit) {
        return calcBatch(at.first(count), out.first(count));
    }
    Helper& h = *m_helper;
    h.at = at.first(count);
    h.out = out.first(count);
    h.next.store(0, std::memory_order_relaxed);
    h.stage.store(Open, std::memory_order_release);
    h.posted.fetch_add(1, std::memory_order_release);
    h.posted.notify_one();

    // The caller takes chunks too; a helper slow to wake (the other core busy)
    // leaves it all the work, never a wait for the helper to start.
    FirstFault fault;
    h.takeChunks(fault);
    int open = Open;
    if (!h.stage.compare_exchange_strong(open, Closed, std::memory_order_acq_rel)) {
        // Taken: wait for the helper's last chunk.
        int stage = h.stage.load(std::memory_order_acquire);
        while (stage != Finished) {
            stage = awaitChange(h.stage, stage);
        }
        if (h.helperFault.at < fault.at) {
            fault = std::move(h.helperFault);
        }
    }
    if (fault.message) {
        return {fault.at, std::move(fault.message)};
    }
    return {count, std::nullopt};
}

} // namespace veltaro::astro
