#include "register/register_orders.h"

#include <array>
#include <thread>

namespace RegisterOrders {

namespace {

constexpr int kBestScore = 100;
// Fewer texts than this are scored on the calling thread alone.
constexpr int kSmallestSplit = 4096;

// Scores of every certificate, on as many threads as the catalog reads with.
std::vector<quint8> scores(const RegisterCatalog& catalog,
                           const FuzzyMatcher::PreparedQuery& query) {
    const int size = catalog.size();
    std::vector<quint8> result(size);
    const int parts = size < kSmallestSplit ? 1 : catalog.parts();
    const auto score = [&](int part) {
        for (int i = size * part / parts; i < size * (part + 1) / parts; ++i)
            if (catalog.accepted(i)) result[i] = static_cast<quint8>(query.score(catalog.text(i)));
    };
    std::vector<std::thread> threads;
    for (int part = 1; part < parts; ++part)
        threads.emplace_back(score, part);
    score(0);
    for (std::thread& thread : threads)
        thread.join();
    return result;
}

}  // namespace

std::vector<RegisterRow> byNumber(const RegisterCatalog& catalog) {
    std::vector<RegisterRow> rows;
    for (const int i : catalog.byNumber())
        if (catalog.number(i) != 0 && catalog.accepted(i))
            rows.push_back({catalog.position(i), catalog.number(i)});
    return rows;
}

// A counting sort by score over the certificates in number order keeps
// number order within each score, in two passes.
std::vector<RegisterRow> byLikeness(const RegisterCatalog& catalog,
                                    const FuzzyMatcher::PreparedQuery& query) {
    const std::vector<quint8> score = scores(catalog, query);
    std::array<size_t, kBestScore + 2> start{};
    size_t accepted = 0;
    for (int i = 0; i < catalog.size(); ++i)
        if (catalog.accepted(i)) {
            ++start[kBestScore - score[i] + 1];
            ++accepted;
        }
    for (size_t s = 1; s < start.size(); ++s)
        start[s] += start[s - 1];
    std::vector<RegisterRow> rows(accepted);
    for (const int i : catalog.byNumber())
        if (catalog.accepted(i))
            rows[start[kBestScore - score[i]]++] = {catalog.position(i), catalog.number(i)};
    return rows;
}

}  // namespace RegisterOrders
