#include "expression_fixture.h"

TEST_F(ExpressionTest, RefusesFaultyExpressionsSayingWhere) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"UPPER(FR3:s2", "Ошибка в выражении, позиция 13: ожидается ')'"},
        {"(1 + 2", "Ошибка в выражении, позиция 7: ожидается ')'"},
        {"FR3:xyz = 1", "Ошибка в выражении, позиция 1: неизвестное поле «FR3:xyz»"},
        {"1 = foo", "Ошибка в выражении, позиция 5: неизвестное имя «foo»"},
        {"s2 = 'a'", "Ошибка в выражении, позиция 1: неизвестное имя «s2»"},
        {"LIC:nlic = 'a'", "Ошибка в выражении, позиция 1: неизвестное имя «LIC:nlic»"},
        {"FR3:s2 = 'abc", "Ошибка в выражении, позиция 10: не закрыта кавычка"},
        {"1 # 2", "Ошибка в выражении, позиция 3: неожиданный знак «#»"},
        {"", "Ошибка в выражении, позиция 1: пустое выражение"},
        {"   ", "Ошибка в выражении, позиция 1: пустое выражение"},
        {"1 +", "Ошибка в выражении, позиция 4: неожиданный конец выражения"},
        {"1 2", "Ошибка в выражении, позиция 3: неожиданное «2»"},
        {"d1 AND", "Ошибка в выражении, позиция 7: неожиданный конец выражения"},
        {"AND d1", "Ошибка в выражении, позиция 1: неожиданное «AND»"},
        {"()", "Ошибка в выражении, позиция 2: неожиданное «)»"},
        {"SUB('a', 1)", "Ошибка в выражении, позиция 1: функции SUB нужно аргументов: 3, дано: 2"},
        {"instring('a')",
         "Ошибка в выражении, позиция 1: функции INSTRING нужно аргументов: от 2 до 4, дано: 1"},
        {"NOSUCH(1)", "Ошибка в выражении, позиция 1: неизвестная функция «NOSUCH»"},
        {"UPPER(1,)", "Ошибка в выражении, позиция 9: неожиданное «)»"},
        {"FR3:s2 = '✓'", "Ошибка в выражении, позиция 10: знак «✓» нельзя использовать в тексте"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusal(QString::fromUtf8(c.text)), QString::fromUtf8(c.message)) << c.text;
}

TEST_F(ExpressionTest, ReportsThePositionSeparately) {
    auto result = Expression::compile(u"FR3:Nform = (1", context_);
    ASSERT_TRUE(std::holds_alternative<ExpressionError>(result));
    EXPECT_EQ(std::get<ExpressionError>(result).position, 15);
}

TEST_F(ExpressionTest, RefusesExpressionsTooDeepForTheStack) {
    const QString tooComplex = QStringLiteral("выражение слишком сложное");
    EXPECT_TRUE(refusal(QString(5000, u'(') + u'1' + QString(5000, u')')).endsWith(tooComplex));
    EXPECT_TRUE(refusal(QString(5000, u'-') + u'1').endsWith(tooComplex));
    EXPECT_TRUE(refusal(QStringLiteral("NOT ").repeated(5000) + u'1').endsWith(tooComplex));
    QString chain = QStringLiteral("1");
    for (int i = 0; i < 5000; ++i)
        chain += QStringLiteral("+1");
    EXPECT_TRUE(refusal(chain).endsWith(tooComplex));
    // A long filter of the kind the register builds is well within.
    QString filter = QStringLiteral("UPPER(FR3:s2) = 'А'");
    for (int i = 0; i < 40; ++i)
        filter += QStringLiteral(" OR UPPER(FR3:s2) = 'А'");
    EXPECT_EQ(refusal(filter), QString());
}
