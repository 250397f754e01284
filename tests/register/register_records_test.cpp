#include "data/shared_values.h"
#include "register_fixture.h"
#include "runtime/core/day_date.h"
#include "runtime/ui/browse_pager.h"

namespace {

using Numbers = std::vector<qint64>;

// The register's list as the window keeps it, with a stand-in for the
// certificate form that does what the user would.
class RegisterRecords : public RegisterFixture {
protected:
    void show() {
        source = model->makeSource();
        pager.setSource(source.get());
        highlight();
    }
    // What the list does on every move: the row into the buffer, then the
    // register's own reaction.
    void highlight() {
        if (pager.currentRow())
            table().load(*pager.currentRow());
        else
            table().record().clear();
        model->rowEvent();
    }
    // Calls the form as the record buttons do and refills the list as the
    // window does after it.
    void callForm(Request request, const std::function<Response(WindowContext&)>& user) {
        bool done = false;
        model->callForm(
            request,
            [&](WindowContext& context, std::function<void(Response)> answer) {
                seenRequest = context.globalRequest();
                answer(user(context));
            },
            [&](std::optional<qint64> position) {
                done = true;
                if (position)
                    pager.refreshAt(*position);
                else
                    pager.refresh();
                highlight();
            });
        EXPECT_TRUE(done);
    }
    qint64 current() { return numbersOf({*pager.currentRow()}).front(); }

    std::unique_ptr<BrowseSource> source;
    BrowsePager pager;
    Request seenRequest = Request::None;
};

Response insertNumber(WindowContext& context, qint64 number, const QString& recipient) {
    TableAccess& certificates = context.tables().access(u"FORMA3");
    certificates.prime();
    certificates.record().setInteger(FR3::NFORM, number);
    certificates.record().setText(FR3::S2, recipient);
    return certificates.insert() ? Response::Completed : Response::Cancelled;
}

TEST_F(RegisterRecords, AnAddedCertificateBecomesTheHighlightedRow) {
    add({{1, QStringLiteral("А")}, {3, QStringLiteral("Б")}, {5, QStringLiteral("В")}});
    show();
    callForm(Request::Insert,
             [](WindowContext& c) { return insertNumber(c, 4, QStringLiteral("Г")); });
    EXPECT_EQ(seenRequest, Request::Insert);
    EXPECT_EQ(current(), 4);
    EXPECT_EQ(numbersOf(pager.rows()), (Numbers{1, 3, 4, 5}));
    EXPECT_EQ(nform.get(), 4);
    EXPECT_EQ(KOL_FORM.get(), 4);
}

TEST_F(RegisterRecords, AnAddedCertificateIsHighlightedInTheFuzzyOrderToo) {
    add({{1, QStringLiteral("ИП Иванов")}, {3, QStringLiteral("ООО «Ромашка»")}});
    model->setQuery(QStringLiteral("Ромашка"));
    model->find();
    show();
    callForm(Request::Insert,
             [](WindowContext& c) { return insertNumber(c, 0, QStringLiteral("Ромашка")); });
    EXPECT_EQ(current(), 0);
    EXPECT_EQ(numbersOf(pager.rows()), (Numbers{0, 3, 1}));
}

TEST_F(RegisterRecords, AnAbandonedInsertKeepsTheHighlightedRow) {
    add({{1, QStringLiteral("А")}, {3, QStringLiteral("Б")}});
    show();
    pager.nextRecord();
    highlight();
    callForm(Request::Insert, [](WindowContext&) { return Response::Cancelled; });
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(nform.get(), 3);
}

TEST_F(RegisterRecords, AChangedCertificateStaysHighlightedAtItsNewPlace) {
    add({{1, QStringLiteral("А")}, {3, QStringLiteral("Б")}, {5, QStringLiteral("В")}});
    show();
    callForm(Request::Change, [](WindowContext& c) {
        TableAccess& certificates = c.tables().access(u"FORMA3");
        certificates.record().setInteger(FR3::NFORM, 9);
        return certificates.update() ? Response::Completed : Response::Cancelled;
    });
    EXPECT_EQ(seenRequest, Request::Change);
    EXPECT_EQ(current(), 9);
    EXPECT_EQ(numbersOf(pager.rows()), (Numbers{3, 5, 9}));
}

TEST_F(RegisterRecords, DeletingHighlightsTheFollowingCertificate) {
    add({{1, QStringLiteral("А")}, {3, QStringLiteral("Б")}, {5, QStringLiteral("В")}});
    ASSERT_FALSE(model->setFilter(QStringLiteral("FR3:Nform > 0")));
    show();
    pager.nextRecord();
    highlight();
    callForm(Request::Delete, [](WindowContext& c) {
        return c.tables().relate(u"FORMA3").remove() ? Response::Completed : Response::Cancelled;
    });
    EXPECT_EQ(current(), 5);
    EXPECT_EQ(numbersOf(pager.rows()), (Numbers{1, 5}));
    EXPECT_EQ(KOL_FORM.get(), 2);
}

TEST_F(RegisterRecords, TheHighlightedRowSetsTheSharedValues) {
    add({{7, QStringLiteral("   ООО «Ромашка»")},
         {0, QStringLiteral("Образец")},
         {8, QStringLiteral("ИП Иванов")}});
    ASSERT_FALSE(model->setFilter(QStringLiteral("FR3:Nform = 8")));
    show();
    EXPECT_EQ(nform.get(), 8);
    EXPECT_EQ(KOL_FORM.get(), 3) << "every record counts, whatever the filter";
    EXPECT_EQ(D1.get(), DayDate::today());
    ASSERT_FALSE(model->setFilter({}));
    show();
    EXPECT_EQ(nform.get(), 7);
    EXPECT_EQ(table().record().text(FR3::S2), QStringLiteral("ООО «Ромашка»"));
    ASSERT_FALSE(model->setFilter(QStringLiteral("FR3:Nform = 99")));
    show();
    EXPECT_EQ(nform.get(), 0) << "an empty list highlights nothing";
}

}  // namespace
