#include "register/qbe_items.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

struct OperatorNames {
    QbeOperator op;
    const char16_t* caption;
    const char* word;
};

constexpr std::array<OperatorNames, 8> kOperators{{
    {QbeOperator::Equal, u"равно", "equal"},
    {QbeOperator::NotEqual, u"не равно", "not-equal"},
    {QbeOperator::Less, u"меньше", "less"},
    {QbeOperator::Greater, u"больше", "greater"},
    {QbeOperator::From, u"с", "from"},
    {QbeOperator::To, u"по", "to"},
    {QbeOperator::Contains, u"содержит", "contains"},
    {QbeOperator::StartsWith, u"начинается с", "starts-with"},
}};

const OperatorNames& names(QbeOperator op) {
    return *std::find_if(kOperators.begin(), kOperators.end(),
                         [op](const OperatorNames& n) { return n.op == op; });
}

}  // namespace

bool QbeItem::isText() const {
    return picture.startsWith(u's', Qt::CaseInsensitive);
}

std::vector<QbeOperator> QbeItem::operators() const {
    using enum QbeOperator;
    if (only) return {*only};
    if (isText()) return {Contains, StartsWith, Equal, NotEqual};
    return {Equal, NotEqual, Less, Greater};
}

namespace QBE2 {

const std::vector<QbeItem>& items() {
    static const std::vector<QbeItem> list{
        {QStringLiteral("№ формы:"), QStringLiteral("UPPER(FR3:Nform)"), QStringLiteral("n_9b")},
        {QStringLiteral("Дата выдачи:"), QStringLiteral("UPPER(FR3:datav)"),
         QStringLiteral("d6.b")},
        {QStringLiteral("Дата выдачи с:"), QStringLiteral("UPPER(FR3:datav)"),
         QStringLiteral("d6.b"), QbeOperator::From},
        {QStringLiteral("Дата выдачи по:"), QStringLiteral("UPPER(FR3:datav)"),
         QStringLiteral("d6.b"), QbeOperator::To},
        {QStringLiteral("Кому:"), QStringLiteral("UPPER(FR3:s2)"), QStringLiteral("s91")},
        {QStringLiteral("Продукция[1]"), QStringLiteral("UPPER(FR3:s3)"), QStringLiteral("s81")},
        {QStringLiteral("Продукция[2]"), QStringLiteral("UPPER(FR3:s31)"), QStringLiteral("s91")},
        {QStringLiteral("Продукция[3]"), QStringLiteral("UPPER(FR3:s4)"), QStringLiteral("s91")},
        {QStringLiteral("Продукция[4]"), QStringLiteral("UPPER(FR3:s41)"), QStringLiteral("s91")},
        {QStringLiteral("Выработанная[1]"), QStringLiteral("UPPER(FR3:s5)"), QStringLiteral("s77")},
        {QStringLiteral("Выработанная[2]"), QStringLiteral("UPPER(FR3:s7)"), QStringLiteral("s91")},
        {QStringLiteral("Выработанная[3]"), QStringLiteral("UPPER(FR3:s71)"),
         QStringLiteral("s91")},
        {QStringLiteral("Выработанная[4]"), QStringLiteral("UPPER(FR3:s72)"),
         QStringLiteral("s91")},
        {QStringLiteral("Выходит из"), QStringLiteral("UPPER(FR3:s11)"), QStringLiteral("s80")},
        {QStringLiteral("Адрес получателя[1]"), QStringLiteral("UPPER(FR3:s14)"),
         QStringLiteral("s40")},
        {QStringLiteral("Адрес получателя[2]"), QStringLiteral("UPPER(FR3:s142)"),
         QStringLiteral("s40")},
        {QStringLiteral("№, дата ТТН [1]"), QStringLiteral("UPPER(FR3:s141)"),
         QStringLiteral("s45")},
        {QStringLiteral("№, дата ТТН [2]"), QStringLiteral("UPPER(FR3:s143)"),
         QStringLiteral("s45")},
        {QStringLiteral("№, дата ТТН [3]"), QStringLiteral("UPPER(FR3:s144)"),
         QStringLiteral("s45")},
    };
    return list;
}

}  // namespace QBE2

namespace QbeOperators {

QString caption(QbeOperator op) {
    return QString::fromUtf16(names(op).caption);
}

QString word(QbeOperator op) {
    return QString::fromLatin1(names(op).word);
}

std::optional<QbeOperator> fromWord(QStringView word) {
    for (const OperatorNames& n : kOperators)
        if (word == QLatin1String(n.word)) return n.op;
    return std::nullopt;
}

}  // namespace QbeOperators
