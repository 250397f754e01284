#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "data/forma3.h"
#include "register/qbe_query.h"
#include "register/register_expressions.h"
#include "runtime/expr/expression.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kNumber = 0;
constexpr int kDate = 1;
constexpr int kDateFrom = 2;
constexpr int kDateTo = 3;
constexpr int kRecipient = 4;
constexpr int kProduct = 5;

QString expressionOf(const std::vector<QbeCondition>& conditions) {
    auto made = QbeQuery::expression(conditions);
    if (const auto* error = std::get_if<QbeError>(&made)) return u"ошибка: "_s + error->message;
    return std::get<QString>(made);
}

struct TermCase {
    QbeCondition condition;
    const char16_t* expected;
};

class QbeTerm : public ::testing::TestWithParam<TermCase> {};

TEST_P(QbeTerm, BuildsTheComparisonOfItsItem) {
    EXPECT_EQ(expressionOf({GetParam().condition}), QString::fromUtf16(GetParam().expected));
}

using enum QbeOperator;
INSTANTIATE_TEST_SUITE_P(
    EachOperator, QbeTerm,
    ::testing::Values(
        TermCase{{kNumber, Equal, u" 125 "_s}, u"UPPER(FR3:Nform) = 125"},
        TermCase{{kNumber, NotEqual, u"7"_s}, u"UPPER(FR3:Nform) <> 7"},
        TermCase{{kNumber, Less, u"7"_s}, u"UPPER(FR3:Nform) < 7"},
        TermCase{{kNumber, Greater, u"7"_s}, u"UPPER(FR3:Nform) > 7"},
        TermCase{{kDate, Equal, u"15.07.2024"_s}, u"UPPER(FR3:datav) = 81649"},
        TermCase{{kDate, Greater, u"15.07.24"_s}, u"UPPER(FR3:datav) > 81649"},
        TermCase{{kDateFrom, From, u"15.07.2024"_s}, u"UPPER(FR3:datav) >= 81649"},
        TermCase{{kDateTo, To, u"15.07.2024"_s}, u"UPPER(FR3:datav) <= 81649"},
        TermCase{{kRecipient, Contains, u"ромаш"_s}, u"INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1)"},
        TermCase{{kRecipient, StartsWith, u"ооо"_s}, u"INSTRING('ООО', UPPER(FR3:s2), 1, 1) = 1"},
        TermCase{{kRecipient, Equal, u"ИП Ёлкин"_s}, u"UPPER(FR3:s2) = 'ИП ЁЛКИН'"},
        TermCase{{kRecipient, NotEqual, u"x"_s}, u"UPPER(FR3:s2) <> 'X'"},
        TermCase{{kRecipient, Contains, u"д'Артаньян"_s},
                 u"INSTRING('Д''АРТАНЬЯН', UPPER(FR3:s2), 1, 1)"},
        TermCase{{kProduct, Equal, u"мясо"_s}, u"UPPER(FR3:s3) = 'МЯСО'"}));

TEST(QbeQuery, UsedLinesAreJoinedByAndInItemOrder) {
    EXPECT_EQ(expressionOf({{kDateFrom, From, u"01.01.2024"_s},
                            {kNumber, Equal, u"  "_s},
                            {kDateTo, To, u"31.01.2024"_s},
                            {kRecipient, Contains, u"ромашка"_s}}),
              u"(UPPER(FR3:datav) >= 81453) AND (UPPER(FR3:datav) <= 81483) AND "
              u"(INSTRING('РОМАШКА', UPPER(FR3:s2), 1, 1))"_s);
    EXPECT_EQ(expressionOf({{kRecipient, Contains, {}}}), QString());
}

TEST(QbeQuery, WrongValuesAndComparisonsAreRefusedNamingTheItem) {
    const struct {
        QbeCondition condition;
        const char16_t* message;
    } cases[] = {
        {{kDateFrom, From, u"31.02.2024"_s}, u"Дата выдачи с: неверная дата: 31.02.2024"},
        {{kNumber, Equal, u"двенадцать"_s}, u"№ формы: неверное число: двенадцать"},
        {{kNumber, Equal, u"-3"_s}, u"№ формы: число не может быть отрицательным"},
        {{kRecipient, Contains, u"中"_s}, u"Кому: знак «中» не может быть сохранён"},
        {{kRecipient, Less, u"А"_s}, u"Кому: сравнение «меньше» недопустимо"},
        {{kDateTo, From, u"01.01.2024"_s}, u"Дата выдачи по: сравнение «с» недопустимо"},
    };
    for (const auto& c : cases) {
        auto made = QbeQuery::expression({c.condition});
        ASSERT_TRUE(std::holds_alternative<QbeError>(made)) << c.condition.value.toStdString();
        EXPECT_EQ(std::get<QbeError>(made).message, QString::fromUtf16(c.message));
        EXPECT_EQ(std::get<QbeError>(made).item, c.condition.item);
    }
}

// The expressions are for the evaluator: they must compile and select as
// the user meant, whatever the letter case of the stored text.
TEST(QbeQuery, TheExpressionSelectsWhatTheLinesSay) {
    const QString filter = expressionOf({{kDateFrom, From, u"01.07.2024"_s},
                                         {kDateTo, To, u"31.07.2024"_s},
                                         {kRecipient, StartsWith, u"ооо «ром"_s}});
    const Expression compiled =
        std::get<Expression>(Expression::compile(filter, RegisterExpressions::context()));
    RecordBuffer record(FR3::layout());
    const auto accepts = [&](const QString& recipient, qint32 date) {
        record.setText(FR3::S2, recipient);
        record.setInteger(FR3::DATAV, date);
        return compiled.isTrue(&record);
    };
    EXPECT_TRUE(accepts(u"ООО «Ромашка»"_s, 81649));
    EXPECT_TRUE(accepts(u"ооо «ромашка»"_s, 81635));
    EXPECT_FALSE(accepts(u"ООО «Ромашка»"_s, 81666));
    EXPECT_FALSE(accepts(u"АО ООО «Ромашка»"_s, 81649));
    EXPECT_FALSE(accepts(u"ООО «Ромашка»"_s, 0));
}

TEST(QbeQuery, LinesSurviveTheirSavedForm) {
    const std::vector<QbeCondition> lines{{kDateFrom, From, u"01.07.2024"_s},
                                          {kRecipient, StartsWith, u"ООО \"Ром\", 'x'"_s},
                                          {18, NotEqual, u"ТТН № 5"_s}};
    EXPECT_EQ(QbeQuery::fromJson(QbeQuery::toJson(lines)), lines);
    const auto parsed = [](const char* json) {
        return QbeQuery::fromJson(QJsonDocument::fromJson(json).object().value(u"q"_s));
    };
    EXPECT_EQ(parsed(R"({"q": [{"item": 99, "op": "equal", "value": "1"}]})"), std::nullopt);
    EXPECT_EQ(parsed(R"({"q": [{"item": 1, "op": "like"}]})"), std::nullopt);
    EXPECT_EQ(parsed(R"({"q": "not a list"})"), std::nullopt);
}

}  // namespace
