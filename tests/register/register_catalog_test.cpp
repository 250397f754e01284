#include "register/register_catalog.h"
#include "register/register_expressions.h"
#include "register_fixture.h"
#include "runtime/core/cp1251.h"

namespace {

class RegisterCatalogTest : public RegisterFixture {
protected:
    Expression compile(const QString& text) {
        return std::get<Expression>(Expression::compile(text, RegisterExpressions::context()));
    }
};

TEST_F(RegisterCatalogTest, ReadsTheTableOnlyForWhatItLacks) {
    add({{1, QStringLiteral("ИП Иванов")}, {2, QStringLiteral("ООО «Ромашка»")}});
    RegisterCatalog catalog(table(), errors());
    const Expression filter = compile(QStringLiteral("FR3:Nform = 2"));
    const Expression other = compile(QStringLiteral("FR3:Nform = 1"));
    struct Step {
        bool texts;
        const Expression* filter;
        int passes;
    };
    const Step steps[] = {
        {false, nullptr, 1}, {true, nullptr, 2},  {true, nullptr, 2},
        {true, &filter, 3},  {false, &filter, 3}, {true, &filter, 3},
        {false, nullptr, 3}, {true, &other, 4},   {true, &filter, 5},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(catalog.update(step.texts, step.filter));
        EXPECT_EQ(catalog.passes(), step.passes);
    }
    add({3, QStringLiteral("АО Рассвет")});
    ASSERT_TRUE(catalog.update(true));
    EXPECT_EQ(catalog.passes(), 6);
    EXPECT_EQ(catalog.size(), 3);
}

TEST_F(RegisterCatalogTest, SearchTextsHoldTheJoinedFieldsWithoutPadding) {
    add({{12, QStringLiteral("ООО «Ромашка»"), 81649, QStringLiteral("г. Тула")},
         {0, {}, 0, QStringLiteral("г. Сочи")}});
    RegisterCatalog catalog(table(), errors());
    ASSERT_TRUE(catalog.update(true));
    const auto cp1251 = [](const char16_t* text) { return Cp1251::encode(text)->toStdString(); };
    EXPECT_EQ(catalog.text(0), cp1251(u"12 81649 ООО «Ромашка» ООО «Ромашка» г. Тула"));
    EXPECT_EQ(catalog.text(1), cp1251(u"0 0 г. Сочи"));
}

TEST_F(RegisterCatalogTest, FilterVerdictsFollowTheTableAcrossParts) {
    // Enough certificates for a pass in several parts.
    table().transaction([&] {
        for (int i = 1; i <= 30000; ++i)
            add({i, i % 1000 == 0 ? QStringLiteral("Ромашка") : QStringLiteral("Иванов")});
        return true;
    });
    RegisterCatalog catalog(table(), errors());
    const Expression filter = compile(QStringLiteral("INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1)"));
    ASSERT_TRUE(catalog.update(true, &filter));
    ASSERT_EQ(catalog.size(), 30000);
    int accepted = 0;
    for (int i = 0; i < catalog.size(); ++i) {
        EXPECT_EQ(catalog.number(i), i + 1) << "stored order across parts";
        accepted += catalog.accepted(i);
    }
    EXPECT_EQ(accepted, 30);
    EXPECT_TRUE(errors().messages.empty());
}

}  // namespace
