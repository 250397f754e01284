#include "runtime/expr/fuzzy_matcher.h"

#include <algorithm>
#include <cstring>

#include "runtime/core/cp1251.h"

// Vectors never cross a call here: every helper is inlined into the clones of
// scanLanes, so the calling convention of vectors without AVX does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace FuzzyMatcher {

namespace {

// The lanes of a group are held as two vectors of four, whose chains of
// dependent steps the processor runs side by side.
constexpr int kLanes = 8;
constexpr int kHalf = 4;
using Lanes = std::uint64_t __attribute__((vector_size(8 * kHalf)));
using Counts = std::int64_t __attribute__((vector_size(8 * kHalf)));

constexpr int kMaxWordLength = 64;  // letters of a query word that a lane holds
constexpr char kBlank = ' ';
constexpr size_t kStackText = 2048;  // longer texts are folded into a per-thread buffer
// Blanks after the folded text: a stretch's lanes may run past its end by
// up to the overlap of two word lengths.
constexpr size_t kPadding = 2 * kMaxWordLength + 8;

// Upper-case letter or digit for each byte; a blank for everything else.
const std::array<unsigned char, 256>& foldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            t[b] = Cp1251::toUnicode(byte).isLetterOrNumber() ? Cp1251::upper(byte) : kBlank;
        }
        t[0xA8] = t[0xB8] = 0xC5;  // Ё and ё as Е
        return t;
    }();
    return table;
}

// Folds the text into `out` (room for text.size() bytes), each run of
// separators as one blank and none at either end; gives the length. No
// branches: letters and blanks follow each other in no predictable order.
size_t normalize(std::string_view text, char* out) {
    const auto& fold = foldTable();
    size_t n = 0;
    unsigned char last = kBlank;
    for (const char c : text) {
        const unsigned char f = fold[static_cast<unsigned char>(c)];
        out[n] = static_cast<char>(f);
        n += !(f == kBlank && last == kBlank);
        last = f;
    }
    if (n > 0 && out[n - 1] == kBlank) --n;
    return n;
}

std::string_view toCp1251(QStringView text, std::string& out) {
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(Cp1251::fromUnicode(text[i]).value_or(kBlank));
    return out;
}

double wordScore(int edits, int length) {
    const int allowance = length <= 3 ? 0 : length <= 5 ? 1 : 2;
    if (edits <= allowance) return 1.0 - 0.15 * edits;
    return 0.5 * std::max(0, length - edits) / length;
}

[[gnu::always_inline]] inline Lanes load(const std::uint64_t* lanes) {
    Lanes v;
    std::memcpy(&v, lanes, sizeof v);
    return v;
}

struct Scan {
    const std::uint64_t (*letterMasks)[kLanes];
    const std::uint64_t* laneLength;
    const std::uint64_t* lastLetter;
    const char* text;
    size_t size;
    size_t overlap;
    int stretches;
};

// The letter masks of one half of the lanes (lanes 4·half ...) for the
// characters under the stretches' cursors.
template <int Stretches, int Half>
[[gnu::always_inline]] inline Lanes lettersAt(const Scan& scan, const unsigned char* const* cursor,
                                              size_t step) {
    const auto row = [&](int s) { return load(scan.letterMasks[cursor[s][step]] + Half * kHalf); };
    if constexpr (Stretches == 1) {
        return row(0);
    } else if constexpr (Stretches == 2) {
        return row(Half);
    } else if constexpr (Stretches == 4) {
        return __builtin_shufflevector(row(2 * Half), row(2 * Half + 1), 0, 1, 6, 7);
    } else {
        const int s = 4 * Half;
        return __builtin_shufflevector(
            __builtin_shufflevector(row(s), row(s + 1), 0, 5, -1, -1),
            __builtin_shufflevector(row(s + 2), row(s + 3), -1, -1, 2, 7), 0, 1, 6, 7);
    }
}

// One column step of Myers' bit vectors of the edit-distance table, with a
// free start at every text position and Hyyrö's term for two swapped
// neighbours; `edits` follows the table's last row.
struct Chain {
    Lanes vp = ~Lanes{};
    Lanes vn{};
    Lanes d0{};
    Lanes previous{};
    Counts edits;
    Counts fewest;

    [[gnu::always_inline]] inline void step(Lanes match, Lanes lastLetter) {
        const Lanes swapped = ((~d0 & match) << 1) & previous;
        const Lanes d = (((match & vp) + vp) ^ vp) | match | vn | swapped;
        Lanes hp = vn | ~(d | vp);
        Lanes hn = vp & d;
        // A comparison gives -1 for true: a rise of the last row adds one, a fall takes one.
        edits += ((hp & lastLetter) == 0) - ((hn & lastLetter) == 0);
        fewest = edits < fewest ? edits : fewest;
        hp <<= 1;
        hn <<= 1;
        vp = hn | ~(d | hp);
        vn = hp & d;
        d0 = d;
        previous = match;
    }
};

// The fewest edits that turn each lane's word into some part of its stretch
// of the text. A stretch starts twice the longest word early, so that every
// part of the text a word can match with fewer edits than its length lies
// wholly in some stretch.
template <int Stretches>
[[gnu::always_inline]] inline void scanStretches(const Scan& scan, std::int64_t* fewest) {
    const unsigned char* cursor[Stretches];
    size_t steps = 0;
    for (int s = 0; s < Stretches; ++s) {
        const size_t begin = scan.size * s / Stretches;
        const size_t start = begin > scan.overlap ? begin - scan.overlap : 0;
        cursor[s] = reinterpret_cast<const unsigned char*>(scan.text) + start;
        steps = std::max(steps, scan.size * (s + 1) / Stretches - start);
    }
    Chain chains[2];
    Lanes lastLetter[2];
    for (int half = 0; half < 2; ++half) {
        lastLetter[half] = load(scan.lastLetter + half * kHalf);
        chains[half].edits = reinterpret_cast<Counts>(load(scan.laneLength + half * kHalf));
        chains[half].fewest = chains[half].edits;
    }
    for (size_t step = 0; step < steps; ++step) {
        chains[0].step(lettersAt<Stretches, 0>(scan, cursor, step), lastLetter[0]);
        chains[1].step(lettersAt<Stretches, 1>(scan, cursor, step), lastLetter[1]);
    }
    std::memcpy(fewest, &chains[0].fewest, sizeof(Counts));
    std::memcpy(fewest + kHalf, &chains[1].fewest, sizeof(Counts));
}

// Built twice; the loader picks the AVX2 build where the processor has it.
[[gnu::target_clones("avx2", "default")]] void scanLanes(const Scan& scan, std::int64_t* fewest) {
    switch (scan.stretches) {
        case 8:
            scanStretches<8>(scan, fewest);
            break;
        case 4:
            scanStretches<4>(scan, fewest);
            break;
        case 2:
            scanStretches<2>(scan, fewest);
            break;
        default:
            scanStretches<1>(scan, fewest);
            break;
    }
}

}  // namespace

PreparedQuery::PreparedQuery(QStringView query) {
    std::string bytes;
    *this = fromCp1251(toCp1251(query, bytes));
}

PreparedQuery PreparedQuery::fromCp1251(std::string_view query) {
    PreparedQuery prepared;
    prepared.phrase_.resize(query.size());
    prepared.phrase_.resize(normalize(query, prepared.phrase_.data()));
    std::vector<std::string_view> words;
    std::string_view rest = prepared.phrase_;
    while (!rest.empty()) {
        const size_t end = std::min(rest.find(kBlank), rest.size());
        words.push_back(rest.substr(0, std::min<size_t>(end, kMaxWordLength)));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    for (size_t i = 0; i < words.size(); i += kLanes) {
        const size_t end = std::min(words.size(), i + kLanes);
        prepared.addGroup({words.begin() + i, words.begin() + end});
    }
    return prepared;
}

void PreparedQuery::addGroup(const std::vector<std::string_view>& words) {
    LaneGroup& group = groups_.emplace_back();
    group.wordCount = static_cast<int>(words.size());
    while (group.stretches * 2 * group.wordCount <= kLanes)
        group.stretches *= 2;
    const int perStretch = kLanes / group.stretches;
    for (int lane = 0; lane < kLanes; ++lane) {
        const int w = lane % perStretch;
        const std::string_view word = w < group.wordCount ? words[w] : std::string_view("-");
        group.laneLength[lane] = word.size();
        group.lastLetter[lane] = std::uint64_t{1} << (word.size() - 1);
        for (size_t i = 0; w < group.wordCount && i < word.size(); ++i)
            group.letterMasks[static_cast<unsigned char>(word[i])][lane] |= std::uint64_t{1} << i;
    }
    for (int w = 0; w < group.wordCount; ++w) {
        group.length[w] = static_cast<int>(words[w].size());
        group.longest = std::max(group.longest, group.length[w]);
        totalLength_ += group.length[w];
    }
    wordCount_ += group.wordCount;
}

double PreparedQuery::wordsScore(const char* text, size_t size) const {
    double sum = 0;
    for (const LaneGroup& group : groups_) {
        std::int64_t fewest[kLanes];
        scanLanes({group.letterMasks, group.laneLength, group.lastLetter, text, size,
                   2 * static_cast<size_t>(group.longest), group.stretches},
                  fewest);
        const int perStretch = kLanes / group.stretches;
        for (int w = 0; w < group.wordCount; ++w) {
            int edits = group.length[w];
            for (int s = 0; s < group.stretches; ++s)
                edits = std::min(edits, static_cast<int>(fewest[s * perStretch + w]));
            sum += group.length[w] * wordScore(edits, group.length[w]);
        }
    }
    return sum / totalLength_;
}

int PreparedQuery::score(std::string_view cp1251Text) const {
    if (wordCount_ == 0) return 0;
    char local[kStackText + kPadding];
    char* buffer = local;
    if (cp1251Text.size() > kStackText) {
        thread_local std::string large;
        large.resize(cp1251Text.size() + kPadding);
        buffer = large.data();
    }
    const size_t size = normalize(cp1251Text, buffer);
    std::memset(buffer + size, kBlank, kPadding);
    if (std::string_view(buffer, size).find(phrase_) != std::string_view::npos) return 100;
    return std::clamp(static_cast<int>(99.0 * wordsScore(buffer, size) + 0.5), 0, 99);
}

int PreparedQuery::score(QStringView text) const {
    std::string bytes;
    return score(toCp1251(text, bytes));
}

int score(QStringView query, QStringView text) {
    return PreparedQuery(query).score(text);
}

}  // namespace FuzzyMatcher
