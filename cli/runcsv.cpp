// The rows of veltaro-tide run, formatted and written on a thread of their own.
#include "cli/runcsv.h"

#include "cli/common.h"

#include <charconv>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace veltaro::cli {

namespace {

/// Rows handed to the writer at a time.
constexpr std::size_t kBlockRows = 4096;
/// Blocks that may wait for the writer before the run waits for it.
constexpr std::size_t kQueuedBlocks = 8;

} // namespace

struct RunCsvSink::Writer {
    plot::CsvColumns columns;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<RunRow>> queue;
    std::vector<std::vector<RunRow>> spare; // written blocks, emptied for reuse
    bool closing = false;
    std::thread thread;

    explicit Writer(const plot::CsvColumns& c) : columns(c), thread([this] { run(); }) {}

    void run() {
        std::vector<char> text(kBlockRows * plot::kCsvRowRoom / 4 + plot::kCsvRowRoom);
        for (;;) {
            std::vector<RunRow> block;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [this] { return closing || !queue.empty(); });
                if (queue.empty()) {
                    return;
                }
                block = std::move(queue.front());
                queue.pop_front();
            }
            changed.notify_all();
            // Once the output has failed, the blocks still handed over are dropped
            // unwritten: the run stops at its next look.
            char* p = text.data();
            auto written = [&] {
                const std::string_view done(text.data(), static_cast<std::size_t>(p - text.data()));
                p = text.data();
                return writeOut(done);
            };
            for (const RunRow& row : block) {
                if (p - text.data() >
                        static_cast<std::ptrdiff_t>(text.size() - plot::kCsvRowRoom) &&
                    !written()) {
                    break;
                }
                const double* v = row.values;
                p = plot::writeCsvRow(p, columns, 0, row.moment, v[0], v[1], v[2], v[3]);
            }
            written();
            block.clear();
            std::lock_guard lock(mutex);
            spare.push_back(std::move(block));
        }
    }

    /// An empty block with room for kBlockRows rows: a written one if there is
    /// one (a fresh allocation of that size costs page faults every time).
    std::vector<RunRow> emptyBlock() {
        std::vector<RunRow> block;
        {
            std::lock_guard lock(mutex);
            if (!spare.empty()) {
                block = std::move(spare.back());
                spare.pop_back();
            }
        }
        block.reserve(kBlockRows);
        return block;
    }

    void hand(std::vector<RunRow>&& block) {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return queue.size() < kQueuedBlocks; });
        queue.push_back(std::move(block));
        changed.notify_all();
    }

    void close() {
        {
            std::lock_guard lock(mutex);
            closing = true;
        }
        changed.notify_all();
        thread.join();
    }
};

RunCsvSink::RunCsvSink(const plot::CsvColumns& columns)
    : m_writer(std::make_unique<Writer>(columns)), m_block(m_writer->emptyBlock()) {}

RunCsvSink::~RunCsvSink() {
    finish();
}

void RunCsvSink::step(plot::PlotMode, const plot::Moment& m, const astro::TideEvaluation& e) {
    m_block.push_back({m, {e.Ssea, e.Msea, e.MSangle, e.MSGangle}});
    if (m_block.size() == kBlockRows) {
        m_writer->hand(std::move(m_block));
        m_block = m_writer->emptyBlock();
    }
}

void RunCsvSink::finish() {
    if (!m_writer) {
        return;
    }
    if (!m_block.empty()) {
        m_writer->hand(std::move(m_block));
        m_block = {};
    }
    m_writer->close();
    m_writer.reset();
}

} // namespace veltaro::cli
