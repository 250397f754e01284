#include "register/table_scan.h"

#include <algorithm>
#include <limits>
#include <thread>

namespace {

constexpr int kPage = 250;
// A table smaller than this is read in one part: a thread costs more.
constexpr qint64 kSmallestSplit = 20000;
constexpr unsigned kMostParts = 4;

}  // namespace

// One connection of its own, whose messages wait until the pass is over, as
// only the calling thread may show them.
struct TableScan::Part {
    explicit Part(const TableDef& def) : access(def, messages) {}

    RecordingErrorManager messages;
    TableAccess access;
};

TableScan::TableScan(TableAccess& access, ErrorManager& errors)
    : access_(access),
      errors_(errors),
      def_(access.def()),
      parts_(static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, kMostParts))) {
    def_.path = [path = access.path()] { return path; };
}

TableScan::~TableScan() = default;

TableScan::Part* TableScan::part(int index) {
    if (static_cast<int>(connections_.size()) <= index) connections_.resize(index + 1);
    std::unique_ptr<Part>& part = connections_[index];
    if (part && part->access.isOpen()) return part.get();
    part = std::make_unique<Part>(def_);
    const bool opened = part->access.open();
    // The table's own open has told of a read-only file or rebuilt keys.
    for (const ErrorMessage& message : part->messages.messages)
        if (message.severity == Severity::Fatal) errors_.show(message);
    part->messages.messages.clear();
    return opened ? part.get() : nullptr;
}

std::vector<std::pair<qint64, qint64>> TableScan::ranges(int count) {
    ReadRequest request;
    request.limit = 1;
    const std::vector<StoredRecord> first = access_.read(request);
    request.backward = true;
    const std::vector<StoredRecord> last = access_.read(request);
    if (first.empty() || last.empty()) return {};
    const qint64 low = first.front().position - 1;
    const qint64 high = last.front().position;
    if (high - low < kSmallestSplit) count = 1;
    std::vector<std::pair<qint64, qint64>> result;
    for (int i = 0; i < count; ++i)
        result.emplace_back(low + (high - low) * i / count, low + (high - low) * (i + 1) / count);
    result.back().second = std::numeric_limits<qint64>::max();  // records added meanwhile
    return result;
}

bool TableScan::readPart(Part& part, qint64 after, qint64 last, int index, const Visit& visit) {
    ReadRequest request;
    request.after = StoredRecord{after, {}};
    request.limit = kPage;
    for (;;) {
        const std::vector<StoredRecord> page = part.access.read(request);
        if (!part.messages.messages.empty()) return false;
        for (const StoredRecord& record : page) {
            if (record.position > last) return true;
            visit(index, record);
        }
        if (static_cast<int>(page.size()) < kPage) return true;
        request.after = StoredRecord{page.back().position, {}};
    }
}

bool TableScan::run(const Visit& visit) {
    const auto spans = ranges(parts_);
    std::vector<Part*> used;
    for (int i = 0; i < static_cast<int>(spans.size()); ++i) {
        Part* p = part(i);
        if (!p) return false;
        used.push_back(p);
    }
    std::vector<char> done(spans.size(), 0);
    std::vector<std::thread> threads;
    for (size_t i = 1; i < spans.size(); ++i)
        threads.emplace_back([&, i] {
            done[i] = readPart(*used[i], spans[i].first, spans[i].second, int(i), visit);
        });
    if (!spans.empty()) done[0] = readPart(*used[0], spans[0].first, spans[0].second, 0, visit);
    for (std::thread& thread : threads)
        thread.join();
    bool ok = true;
    for (size_t i = 0; i < used.size(); ++i) {
        for (const ErrorMessage& message : used[i]->messages.messages)
            errors_.show(message);
        used[i]->messages.messages.clear();
        ok = ok && done[i];
    }
    return ok;
}
