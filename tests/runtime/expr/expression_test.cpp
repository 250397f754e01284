#include <QStringList>
#include <vector>

#include "expression_fixture.h"

TEST_F(ExpressionTest, ReadsFieldsInAnyLetterCaseAndTextFieldsAtFullWidth) {
    EXPECT_EQ(eval("FR3:Nform"), QVariant(qint64(123)));
    EXPECT_EQ(eval("fr3:NFORM + 1"), QVariant(qint64(124)));
    EXPECT_EQ(eval("fr3:datav"), QVariant(qint64(81649)));
    EXPECT_EQ(eval("FR3:Nform&' '&FR3:opis&'|'"), QVariant(QStringLiteral("123 Молоко    |")));
    EXPECT_EQ(eval("FR3:Nform&' '&FR3:datav"), QVariant(QStringLiteral("123 81649")));
    record_.setNumber(TestField::SUMMA, 12.5);
    EXPECT_EQ(eval("FR3:summa"), QVariant(12.5));
    EXPECT_EQ(eval("'='&FR3:summa"), QVariant(QStringLiteral("=12.5")));
    EXPECT_EQ(eval("CLIP(FR3:s2)"), QVariant(QStringLiteral("ООО Ромашка")));
}

TEST_F(ExpressionTest, BoundNamesAreReadAtEveryEvaluation) {
    const Expression e = compiled(QStringLiteral("D1 <= fr3:datav"));
    d1_ = 81649;
    EXPECT_TRUE(e.isTrue(&record_));
    d1_ = 81650;
    EXPECT_FALSE(e.isTrue(&record_));
    comment_ = QStringLiteral("Выдано");
    EXPECT_EQ(eval("COMMENT & '!'"), QVariant(QStringLiteral("Выдано!")));
}

TEST_F(ExpressionTest, LiteralsAndArithmetic) {
    const struct {
        const char* text;
        QVariant value;
    } cases[] = {
        {"'It''s'", QStringLiteral("It's")},
        {"''", QString()},
        {"12", qint64(12)},
        {"3.5", 3.5},
        {"2+3*4", qint64(14)},
        {"(2+3)*4", qint64(20)},
        {"10-2-3", qint64(5)},
        {"-2*3", qint64(-6)},
        {"- -2", qint64(2)},
        {"7/2", 3.5},
        {"1/0", qint64(0)},
        {"5/(2-2)+1", qint64(1)},
        {"'10'+5", qint64(15)},
        {"'abc'+5", qint64(5)},
        {"1+2&'x'", QStringLiteral("3x")},
        {"200-FR3:Nform", qint64(77)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(eval(c.text), c.value) << c.text;
}

TEST_F(ExpressionTest, Comparisons) {
    const struct {
        const char* text;
        bool holds;
    } cases[] = {
        {"'abc   ' = 'abc'", true},  // trailing blanks do not count
        {"' abc' = 'abc'", false},   // leading ones do
        {"'abc' = 'ABC'", false},    // letter case does
        {"'abc' < 'abd'", true},
        {"'ab' < 'abc'", true},
        {"'Я' > 'А'", true},
        {"10 = '10'", true},  // a number and a text holding a number: numerically
        {"9 < '10'", true},
        {"' 10 ' = 10.0", true},
        {"'9' < '10'", false},  // two texts: as texts
        {"5 = 'abc'", false},
        {"5 <> 'abc'", true},
        {"FR3:Nform = '123'", true},
        {"FR3:Nform >= 123 AND FR3:Nform <= 123", true},
        {"FR3:comment = 'Выдано'", true},
        {"FR3:comment = 'выдано'", false},
        {"(1 < 2) = 1", true},
        {"(1 > 2) + 0 = 0", true},
        {"NOT 0", true},
        {"not (1 = 1) or 1 = 1 and 0", false},  // AND binds before OR
        {"'  '", false},                        // a blank text is false
        {"'x'", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(holds(c.text), c.holds) << c.text;
}

TEST_F(ExpressionTest, PeriodFilterSelectsInclusiveBoundsAndExactStatus) {
    const Expression filter =
        compiled(QStringLiteral("(d1<=fr3:datav) and (d2>=fr3:datav) and (fr3:comment=comment)"));
    d1_ = 81640;
    d2_ = 81650;
    comment_ = QStringLiteral("Выдано   ");
    const struct {
        qint32 day;
        const char16_t* comment;
        bool selected;
    } records[] = {
        {81640, u"Выдано", true},   {81650, u"Выдано", true},  {81645, u"Выдано", true},
        {81639, u"Выдано", false},  {81651, u"Выдано", false}, {81645, u"выдано", false},
        {81645, u"Образец", false}, {0, u"Выдано", false},
    };
    for (const auto& r : records) {
        fill(1, r.day, r.comment, u"", u"");
        EXPECT_EQ(filter.isTrue(&record_), r.selected) << r.day;
    }
}

TEST_F(ExpressionTest, TextFunctions) {
    const struct {
        const char* text;
        QVariant value;
    } cases[] = {
        {"UPPER('ёлка Abc щ')", QStringLiteral("ЁЛКА ABC Щ")},
        {"upper(FR3:s2)", QStringLiteral("ООО РОМАШКА         ")},
        {"UPPER(FR3:Nform)", QStringLiteral("123")},
        {"CLIP('ab  ')&'|'", QStringLiteral("ab|")},
        {"SUB('Ромашка', 2, 3)", QStringLiteral("ома")},
        {"SUB('Ромашка', 5, 10)", QStringLiteral("шка")},
        {"SUB('Ромашка', 9, 2)", QString()},
        {"SUB('Ромашка', 0, 2)", QStringLiteral("Ро")},
        {"SUB(12345, 2, 2)", QStringLiteral("23")},
        {"INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1)", qint64(5)},
        {"INSTRING('ромаш', FR3:s2, 1, 1)", qint64(0)},
        {"INSTRING('a', 'abca', 1, 2)", qint64(4)},
        {"INSTRING('Tue', 'SunMonTueWedThu', 3, 1)", qint64(3)},  // counted in steps
        {"INSTRING('onT', 'SunMonTueWedThu', 3, 1)", qint64(0)},  // only at step boundaries
        {"INSTRING('b', 'abc')", qint64(2)},
        {"INSTRING('', 'abc', 1, 1)", qint64(0)},
        {"INSTRING(3, 12345, 1, 1)", qint64(3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(eval(c.text), c.value) << c.text;
}

TEST_F(ExpressionTest, FuzzyOrderFollowsTheSearchTextAsItChanges) {
    const Expression order = compiled(QStringLiteral(
        "200-FuzzyMatch(FuzzyQuery4,FR3:Nform&' '&FR3:datav&' '&FR3:opis&' '&FR3:s2)"));
    query_ = QStringLiteral("ромашка");
    EXPECT_EQ(order.number(&record_), 100);
    query_ = QStringLiteral("81649 молоко");  // across fields, padding counted as one blank
    EXPECT_EQ(order.number(&record_), 100);
    query_ = QStringLiteral("молоко 123");  // reordered words
    EXPECT_EQ(order.number(&record_), 101);
    query_ = QStringLiteral("Ромашко");
    const double typo = order.number(&record_);
    query_ = QStringLiteral("Иванов");
    EXPECT_GT(order.number(&record_), typo);
    EXPECT_GT(typo, 100);
}

TEST_F(ExpressionTest, CallerFunctionsAreCalledWithTheirArguments) {
    context_.addFunction(QStringLiteral("Len"), 1, [](const QVariantList& arguments) {
        return QVariant(arguments[0].toString().size());
    });
    context_.addFunction(QStringLiteral("upper"), 1, [](const QVariantList& arguments) {
        return QVariant(arguments[0].toString().toLower());  // replaces the built-in one
    });
    EXPECT_EQ(eval("LEN(CLIP(FR3:s2)) + 1"), QVariant(qint64(12)));
    EXPECT_EQ(eval("UPPER('АБВ')"), QVariant(QStringLiteral("абв")));
}

TEST_F(ExpressionTest, RecordOfAnotherLayoutOrNoneReadsBlank) {
    static const RecordLayout other(QStringLiteral("OTHER"), QStringLiteral("OTH"),
                                    {{"S2", FieldType::String, 20}});
    RecordBuffer foreign(other);
    foreign.setText(0, u"ООО Ромашка");
    const Expression e = compiled(QStringLiteral("CLIP(FR3:s2) & FR3:Nform"));
    EXPECT_EQ(e.evaluate(&foreign), QVariant(QStringLiteral("0")));
    EXPECT_EQ(e.evaluate(nullptr), QVariant(QStringLiteral("0")));
    EXPECT_EQ(e.evaluate(&record_), QVariant(QStringLiteral("ООО Ромашка123")));
}

TEST_F(ExpressionTest, FieldsOfTwoLayoutsReadTheirOwnRecords) {
    static const RecordLayout permits(QStringLiteral("LICENZIY"), QStringLiteral("LIC"),
                                      {{"NLIC", FieldType::String, 10}});
    ExpressionContext context;
    context.addLayout(testLayout());
    context.addLayout(permits);
    RecordBuffer permit(permits);
    permit.setText(0, u"A-17");
    const auto e =
        std::get<Expression>(Expression::compile(u"CLIP(LIC:nlic)&'/'&FR3:Nform", context));
    const RecordBuffer* records[] = {&record_, &permit};
    EXPECT_EQ(e.evaluate(records), QVariant(QStringLiteral("A-17/123")));
}

TEST_F(ExpressionTest, CopiesEvaluateIndependently) {
    const Expression original = compiled(QStringLiteral("UPPER(FR3:opis)&FR3:Nform"));
    const Expression copy = original;
    RecordBuffer second(testLayout());
    second.setText(TestField::OPIS, u"мёд");
    EXPECT_EQ(copy.evaluate(&second), QVariant(QStringLiteral("МЁД       0")));
    EXPECT_EQ(original.evaluate(&record_), QVariant(QStringLiteral("МОЛОКО    123")));
    EXPECT_EQ(copy.text(), QStringLiteral("UPPER(FR3:opis)&FR3:Nform"));
}
