#include "register/register_catalog.h"

#include <algorithm>
#include <charconv>
#include <numeric>

#include "data/forma3.h"

namespace {

// A text field without its trailing blanks.
std::string_view clipped(const RecordBuffer& record, int text) {
    const Field& field = record.layout().field(text);
    std::string_view bytes(record.image().constData() + field.offset, field.size);
    const size_t end = bytes.find_last_not_of(' ');
    return bytes.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

void appendNumber(std::string& pool, qint64 number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    pool.append(digits, end);
}

// The search text of RegisterExpressions::kSearchText, joined straight from
// the record's bytes (evaluating the expression for every certificate costs
// as much as reading the table). The matcher takes any run of blanks as one,
// so the fields need not keep their padding.
void appendSearchText(std::string& pool, const RecordBuffer& record) {
    appendNumber(pool, record.integer(FR3::NFORM));
    pool.push_back(' ');
    appendNumber(pool, record.integer(FR3::DATAV));
    for (const int text : {FR3::OPIS, FR3::S2, FR3::S14, FR3::S142}) {
        const std::string_view part = clipped(record, text);
        if (part.empty()) continue;
        pool.push_back(' ');
        pool.append(part);
    }
}

}  // namespace

// What one part of a pass gathers, with the copies of the expressions its
// thread evaluates.
struct RegisterCatalog::Gathered {
    struct Part {
        std::optional<Expression> filter;
        std::vector<qint64> positions;
        std::vector<qint64> numbers;
        Texts texts;
        std::vector<char> verdicts;
    };
    std::vector<Part> parts;
};

RegisterCatalog::RegisterCatalog(TableAccess& certificates, ErrorManager& errors)
    : certificates_(certificates), scan_(certificates, errors) {}

std::string_view RegisterCatalog::text(int i) const {
    for (const Texts& part : texts_) {
        if (static_cast<size_t>(i) >= part.ends.size()) {
            i -= static_cast<int>(part.ends.size());
            continue;
        }
        const size_t begin = i == 0 ? 0 : part.ends[i - 1];
        return std::string_view(part.pool).substr(begin, part.ends[i] - begin);
    }
    return {};
}

bool RegisterCatalog::update(bool texts, const Expression* filter) {
    const qint64 version = certificates_.dataVersion();
    const bool current = version_ == version;
    const bool readTexts = texts && !(current && hasTexts_);
    const bool readVerdicts = filter && !(current && verdictsOf_ == filter->text());
    filtered_ = filter != nullptr;
    if (current && !readTexts && !readVerdicts) return true;
    Gathered gathered;
    ++passes_;
    if (!read(readTexts, readVerdicts ? filter : nullptr, gathered)) {
        version_.reset();
        return false;
    }
    if (!current) {
        hasTexts_ = false;
        verdictsOf_.reset();
    }
    take(std::move(gathered), readTexts, readVerdicts);
    if (readVerdicts) verdictsOf_ = filter->text();
    version_ = version;
    return true;
}

bool RegisterCatalog::read(bool texts, const Expression* filter, Gathered& out) {
    out.parts.resize(scan_.parts());
    for (Gathered::Part& part : out.parts)
        if (filter) part.filter = *filter;
    std::vector<RecordBuffer> records(scan_.parts(), RecordBuffer(FR3::layout()));
    return scan_.run([&](int index, const StoredRecord& stored) {
        Gathered::Part& part = out.parts[index];
        RecordBuffer& record = records[index];
        record.setImage(stored.image);
        part.positions.push_back(stored.position);
        part.numbers.push_back(record.integer(FR3::NFORM));
        if (texts) {
            appendSearchText(part.texts.pool, record);
            part.texts.ends.push_back(static_cast<quint32>(part.texts.pool.size()));
        }
        if (part.filter) part.verdicts.push_back(part.filter->isTrue(&record));
    });
}

void RegisterCatalog::take(Gathered&& gathered, bool texts, bool verdicts) {
    positions_.clear();
    numbers_.clear();
    if (texts) texts_.clear();
    if (verdicts) verdicts_.clear();
    for (Gathered::Part& part : gathered.parts) {
        positions_.insert(positions_.end(), part.positions.begin(), part.positions.end());
        numbers_.insert(numbers_.end(), part.numbers.begin(), part.numbers.end());
        if (texts) texts_.push_back(std::move(part.texts));
        if (verdicts) verdicts_.insert(verdicts_.end(), part.verdicts.begin(), part.verdicts.end());
    }
    hasTexts_ = hasTexts_ || texts;
    sortByNumber();
}

// Stored order is often number order already: then no sort is needed.
void RegisterCatalog::sortByNumber() {
    byNumber_.resize(positions_.size());
    std::iota(byNumber_.begin(), byNumber_.end(), 0);
    const auto byNumber = [this](int a, int b) { return numbers_[a] < numbers_[b]; };
    if (!std::is_sorted(byNumber_.begin(), byNumber_.end(), byNumber))
        std::stable_sort(byNumber_.begin(), byNumber_.end(), byNumber);
}
