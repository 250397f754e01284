#include "register/register_list_source.h"
#include "register_fixture.h"
#include "runtime/ui/browse_pager.h"

namespace {

using Numbers = std::vector<qint64>;

// The list over certificates numbered 1..20, Ромашка on the multiples of 5.
class RegisterListSourceTest : public RegisterFixture {
protected:
    void SetUp() override {
        RegisterFixture::SetUp();
        table().transaction([&] {
            for (int n = 1; n <= 20; ++n)
                positions.push_back(
                    add({n, n % 5 ? QStringLiteral("Иванов") : QStringLiteral("Ромашка")}));
            return true;
        });
    }
    // Number order of the Ромашка certificates, through the list source.
    std::unique_ptr<BrowseSource> filtered() {
        EXPECT_FALSE(model->setFilter(QStringLiteral("UPPER(FR3:s2) = 'РОМАШКА'")));
        return model->makeSource();
    }
    qint64 numberAt(const BrowsePager& pager) { return numbersOf({*pager.currentRow()}).front(); }

    std::vector<qint64> positions;
};

TEST_F(RegisterListSourceTest, PagesForwardAndBackOverTheList) {
    auto source = filtered();
    EXPECT_EQ(numbers(*source), (Numbers{5, 10, 15, 20}));
    const auto first = source->next(nullptr, 2);
    EXPECT_EQ(numbersOf(source->next(&first.back(), 5)), (Numbers{15, 20}));
    EXPECT_EQ(numbersOf(source->prior(nullptr, 3)), (Numbers{10, 15, 20}));
    EXPECT_EQ(numbersOf(source->prior(&first.back(), 5)), (Numbers{5}));
}

TEST_F(RegisterListSourceTest, TheLocatorFindsTheFirstNumberNotLess) {
    auto source = filtered();
    ASSERT_EQ(source->locatorField(), FR3::NFORM);
    EXPECT_EQ(numbersOf(source->from(qint64(11), 2)), (Numbers{15, 20}));
    EXPECT_TRUE(source->from(qint64(21), 2).empty());
    model->setQuery(QStringLiteral("Ромашка"));
    model->find();
    EXPECT_EQ(model->makeSource()->locatorField(), -1);
}

TEST_F(RegisterListSourceTest, TheScrollBarPlacesRowsExactly) {
    auto source = filtered();
    const auto rows = source->next(nullptr, 4);
    EXPECT_DOUBLE_EQ(source->fractionOf(rows[2]), 2.0 / 3.0);
    EXPECT_EQ(numbersOf({*source->rowNear(0.34)}), (Numbers{10}));
    EXPECT_EQ(numbersOf({*source->rowNear(1.0)}), (Numbers{20}));
}

TEST_F(RegisterListSourceTest, ARowThatLeftTheListIsFollowedByTheRowAfterIt) {
    auto source = filtered();
    BrowsePager pager;
    pager.setSource(source.get());
    pager.nextRecord();  // 10
    ASSERT_EQ(numberAt(pager), 10);
    // Changed by another station so that the filter no longer takes it.
    WindowContext other(QStringLiteral("other"), vetdocsSchema(),
                        std::make_unique<RecordingErrorManager>());
    TableAccess& certificates = other.tables().access(u"FORMA3");
    ASSERT_TRUE(certificates.open());
    ASSERT_TRUE(certificates.fetch(positions[9]));
    certificates.record().setText(FR3::S2, QStringLiteral("Петров"));
    ASSERT_TRUE(certificates.update());
    ASSERT_TRUE(pager.stale());
    pager.refresh();
    EXPECT_EQ(numberAt(pager), 15);
    EXPECT_EQ(numbersOf(pager.rows()), (Numbers{5, 15, 20}));
    certificates.close();
}

TEST_F(RegisterListSourceTest, ANewRowTakesItsPlaceInTheOrder) {
    auto source = filtered();
    const qint64 added = add({12, QStringLiteral("Ромашка")});
    BrowsePager pager;
    pager.setSource(source.get());
    pager.refreshAt(added);
    EXPECT_EQ(numberAt(pager), 12);
    EXPECT_EQ(numbersOf(pager.rows()), (Numbers{5, 10, 12, 15, 20}));
}

}  // namespace
