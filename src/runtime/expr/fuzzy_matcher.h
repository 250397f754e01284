#pragma once

#include <QStringView>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Likeness of a query to a text, 0 (none) to 100 (the query stands in the
// text), for ordering a list so that the best match comes first.
//
// Both are folded to upper case (Ё as Е) and split into words at anything but
// letters and digits; runs of separators count as one blank.
//  - 100 when the query's words, joined by single blanks, stand anywhere in the text.
//  - Otherwise each query word is sought anywhere in the text, not only as a
//    whole word, with the fewest edits: a wrong, missing or extra letter, or two
//    neighbours swapped, each count one. A word's allowance is 0 edits up to 3
//    letters, 1 up to 5, 2 beyond. Found within the allowance it scores
//    1 - 0.15·edits; beyond it, half its share of matching letters.
//  - The score is the mean of the word scores weighted by word length, scaled
//    to 99, so word order does not matter.
// The search is Myers' bit-parallel one with Hyyrö's transpositions, up to
// eight query words on vector lanes in one pass (AVX2 where the processor has
// it). A query is prepared once and then scores any number of texts; scoring
// allocates nothing (texts over 2 KB reuse a buffer per thread) and is safe
// from any thread.
namespace FuzzyMatcher {

class PreparedQuery {
public:
    explicit PreparedQuery(QStringView query);
    static PreparedQuery fromCp1251(std::string_view query);

    bool isEmpty() const { return wordCount_ == 0; }
    int score(QStringView text) const;
    int score(std::string_view cp1251Text) const;

private:
    static constexpr int kLanes = 8;

    // Up to eight words searched in one pass. The text is cut into as many
    // stretches as the lanes allow: with P = kLanes / stretches lanes per
    // stretch, lane l searches word l % P (if there is one) over stretch l / P.
    struct LaneGroup {
        int wordCount = 0;
        int stretches = 1;
        int longest = 0;
        std::array<int, kLanes> length{};  // per word
        // Per lane, laid out to be loaded as one vector.
        alignas(32) std::uint64_t laneLength[kLanes]{};        // 1 for a lane without a word
        alignas(32) std::uint64_t lastLetter[kLanes]{};        // the bit of the word's last letter
        alignas(32) std::uint64_t letterMasks[256][kLanes]{};  // bit i: word letter i is the byte
    };

    PreparedQuery() = default;
    void addGroup(const std::vector<std::string_view>& words);
    double wordsScore(const char* text, size_t size) const;

    std::string phrase_;  // folded words joined by single blanks
    std::vector<LaneGroup> groups_;
    int wordCount_ = 0;
    int totalLength_ = 0;
};

int score(QStringView query, QStringView text);

}  // namespace FuzzyMatcher
