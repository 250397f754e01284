#include <algorithm>

#include "data/shared_values.h"
#include "register/register_expressions.h"
#include "register/register_orders.h"
#include "register_fixture.h"

namespace {

using Numbers = std::vector<qint64>;

class RegisterOrder : public RegisterFixture {};

TEST_F(RegisterOrder, NumberOrderLeavesOutNumberZeroWhichTheFuzzyOrderLists) {
    add({{7, QStringLiteral("ООО «Ромашка»")},
         {0, QStringLiteral("Испорченный бланк Ромашка")},
         {3, QStringLiteral("ИП Иванов")}});
    EXPECT_EQ(listed(), (Numbers{3, 7}));
    const Numbers found = search(QStringLiteral("ромашка"));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_NE(std::find(found.begin(), found.end(), 0), found.end());
}

TEST_F(RegisterOrder, CertificatesOfOneNumberAreListedSideBySide) {
    add({{5, QStringLiteral("А")}, {2, QStringLiteral("Б")}, {5, QStringLiteral("В")}});
    EXPECT_EQ(listed(), (Numbers{2, 5, 5}));
}

TEST_F(RegisterOrder, FindPutsTheBestMatchFirstDespiteATypo) {
    add({{1, QStringLiteral("ИП Иванов Сергей"), 0, QStringLiteral("г. Тула")},
         {2, QStringLiteral("ООО «Ромашка»"), 0, QStringLiteral("г. Краснодар")},
         {3, QStringLiteral("АО «Рассвет»"), 0, QStringLiteral("г. Москва")}});
    EXPECT_EQ(search(QStringLiteral("ромашко краснодар")).front(), 2);
    EXPECT_EQ(model->order(), RegisterModel::Order::Fuzzy);
    EXPECT_EQ(FUZZYMATCHED.get(), 1);
}

TEST_F(RegisterOrder, EqualScoresKeepNumberOrder) {
    add({{30, QStringLiteral("ООО «Ромашка»")},
         {10, QStringLiteral("ООО «Ромашка»")},
         {0, QStringLiteral("ООО «Ромашка»")},
         {20, QStringLiteral("ООО «Ромашка»")},
         {5, QStringLiteral("ИП Петров")}});
    EXPECT_EQ(search(QStringLiteral("Ромашка")), (Numbers{0, 10, 20, 30, 5}));
}

TEST_F(RegisterOrder, FindWithABlankTextChangesNothing) {
    add({{1, QStringLiteral("ИП Иванов")}, {2, QStringLiteral("ООО «Ромашка»")}});
    model->setQuery(QStringLiteral("   "));
    EXPECT_FALSE(model->find());
    EXPECT_EQ(model->order(), RegisterModel::Order::Number);

    const Numbers found = search(QStringLiteral("Ромашка"));
    model->setQuery({});
    EXPECT_FALSE(model->find());
    EXPECT_EQ(model->order(), RegisterModel::Order::Fuzzy);
    EXPECT_EQ(model->searchedFor(), QStringLiteral("Ромашка"));
    EXPECT_EQ(listed(), found);
}

TEST_F(RegisterOrder, ClearReturnsToNumberOrderAndBlanksTheSearch) {
    add({{2, QStringLiteral("ИП Иванов")}, {1, QStringLiteral("ООО «Ромашка»")}});
    EXPECT_EQ(search(QStringLiteral("Иванов")), (Numbers{2, 1}));
    model->clear();
    EXPECT_EQ(model->order(), RegisterModel::Order::Number);
    EXPECT_TRUE(model->query().isEmpty());
    EXPECT_EQ(FUZZYMATCHED.get(), 0);
    EXPECT_EQ(listed(), (Numbers{1, 2}));
}

TEST_F(RegisterOrder, TheFilterRestrictsBothOrdersUntilRemoved) {
    add({{4, QStringLiteral("ООО «Ромашка»"), 81649},
         {0, QStringLiteral("ООО «Ромашка» испорчен"), 81650},
         {2, QStringLiteral("ИП Иванов"), 81649},
         {3, QStringLiteral("ООО «Ромашка»"), 81000}});
    ASSERT_FALSE(model->setFilter(QStringLiteral("UPPER(FR3:datav) >= 81649")));
    EXPECT_EQ(listed(), (Numbers{2, 4}));
    EXPECT_EQ(search(QStringLiteral("Ромашка")), (Numbers{0, 4, 2}));
    ASSERT_FALSE(model->setFilter({}));
    EXPECT_EQ(listed(), (Numbers{0, 3, 4, 2}));
}

TEST_F(RegisterOrder, AWrongFilterIsRefusedWithItsPositionAndTheOldOneStays) {
    add({{1, QStringLiteral("ИП Иванов")}, {2, QStringLiteral("ООО «Ромашка»")}});
    ASSERT_FALSE(model->setFilter(QStringLiteral("FR3:Nform = 2")));
    const auto error = model->setFilter(QStringLiteral("FR3:Nform = (2"));
    ASSERT_TRUE(error);
    EXPECT_GT(error->position, 0);
    EXPECT_TRUE(error->message.contains(QString::number(error->position)));
    EXPECT_EQ(model->filter(), QStringLiteral("FR3:Nform = 2"));
    EXPECT_EQ(listed(), (Numbers{2}));
}

// The cached search texts and the counting sort give the order the order
// expression itself gives when evaluated record by record.
TEST_F(RegisterOrder, TheFuzzyOrderIsTheOrderOfItsExpression) {
    const QStringList recipients = {QStringLiteral("ООО «Ромашка», г. Краснодар"),
                                    QStringLiteral("  ИП Ромашкин"),
                                    QStringLiteral("АО Рассвет"),
                                    QStringLiteral("ромашка"),
                                    QStringLiteral("КФХ «Ёлочка»"),
                                    QStringLiteral("Мясокомбинат Ромашковый"),
                                    {}};
    table().transaction([&] {
        for (int i = 0; i < 40; ++i)
            add({(i * 7) % 13, recipients[i % recipients.size()], 81000 + i,
                 i % 3 ? QStringLiteral("ул. Ленина") : QStringLiteral("Краснодар")});
        return true;
    });
    const QString query = QStringLiteral("ромашка краснодар 81005");
    const Numbers found = search(query);

    ExpressionContext expressions = RegisterExpressions::context([&] { return query; });
    const Expression order =
        std::get<Expression>(Expression::compile(RegisterExpressions::kFuzzyOrder, expressions));
    struct Keyed {
        double key;
        qint64 number;
        qint64 position;
    };
    std::vector<Keyed> rows;
    ReadRequest all;
    all.limit = 1000;
    RecordBuffer record(FR3::layout());
    for (const StoredRecord& stored : table().read(all)) {
        record.setImage(stored.image);
        rows.push_back({order.number(&record), record.integer(FR3::NFORM), stored.position});
    }
    std::sort(rows.begin(), rows.end(), [](const Keyed& a, const Keyed& b) {
        return std::tie(a.key, a.number, a.position) < std::tie(b.key, b.number, b.position);
    });
    Numbers expected;
    for (const Keyed& row : rows)
        expected.push_back(row.number);
    EXPECT_EQ(found, expected);
}

}  // namespace
