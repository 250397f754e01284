#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "data/shared_values.h"
#include "register/browse_formf2.h"
#include "register/browse_formf2_window.h"
#include "register_fixture.h"
#include "runtime/ui/browse_model.h"
#include "runtime/ui/input_notice.h"

using namespace Qt::StringLiterals;

namespace {

using Numbers = std::vector<qint64>;

// The register's window over a few certificates, with a stand-in form.
class RegisterWindow : public RegisterFixture {
protected:
    void open() {
        window = new BrowseFormf2Window(std::move(context), std::move(model),
                                        [this](WindowContext& c, auto done) { form(c, done); });
        window->show();
    }
    void TearDown() override {
        delete window;
        RegisterFixture::TearDown();
    }
    QString text(const char* label) {
        return window->controls().control<QLineEdit>(QLatin1String(label))->text();
    }
    void click(const char* label) {
        QTest::mouseClick(window->controls().control<QPushButton>(QLatin1String(label)),
                          Qt::LeftButton);
    }
    Numbers shown() { return numbersOf(window->list()->pager().rows()); }

    BrowseFormf2Window* window = nullptr;
    std::function<void(WindowContext&, std::function<void(Response)>)> form;
};

TEST_F(RegisterWindow, ShowsTheHighlightedCertificateAndTheCount) {
    add({{3, u"ООО «Ромашка»"_s, 81649, u"г. Тула"_s},
         {0, u"Образец"_s},
         {5, u"ИП Иванов"_s, 81650, u"г. Сочи"_s}});
    open();
    EXPECT_EQ(shown(), (Numbers{3, 5}));
    EXPECT_EQ(text("?FR3:S2"), u"ООО «Ромашка»"_s);
    EXPECT_EQ(text("?FR3:S14"), u"г. Тула"_s);
    EXPECT_EQ(text("?KOL_FORM"), u"3"_s);
    EXPECT_FALSE(text("?D1").isEmpty());
    // Filled in by the window, so nothing about it is refused.
    EXPECT_EQ(InputNotice::message(window->controls().control("?D1")), QString());
    EXPECT_EQ(nform.get(), 3);
    window->list()->nextRecord();
    EXPECT_EQ(nform.get(), 5);
    EXPECT_EQ(text("?FR3:S2"), u"ИП Иванов"_s);
}

TEST_F(RegisterWindow, RowsAlternateTheirFillAndTellTheRecipient) {
    add({{1, u"А"_s}, {2, u"Б"_s}, {3, u"В"_s}, {4, u"Г"_s}});
    open();
    window->list()->lastPage();  // the highlight away from the rows looked at
    const BrowseModel* rows = window->list()->model();
    const auto fill = [&](int row) {
        return rows->data(rows->index(row, 5), Qt::BackgroundRole).value<QColor>();
    };
    const QColor odd(237, 231, 214);
    EXPECT_EQ(fill(0), odd);
    EXPECT_NE(fill(1), odd);
    EXPECT_EQ(fill(2), odd);
    EXPECT_EQ(rows->data(rows->index(3, 5), Qt::BackgroundRole).value<QColor>(),
              QColor(0, 208, 104))
        << "the selection bar";
    EXPECT_EQ(rows->data(rows->index(1, 0), Qt::ToolTipRole).toString(), u"Б"_s);
    EXPECT_EQ(rows->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              u"[№ свидетельства]"_s);
    EXPECT_EQ(rows->columnCount(), 6);
}

TEST_F(RegisterWindow, FindAndClearSwitchTheOrder) {
    add({{1, u"ИП Иванов"_s}, {2, u"ООО «Ромашка»"_s}});
    open();
    window->controls().control<QLineEdit>("?FUZZYQUERY")->setText(u"ромашко"_s);
    click("?FUZZYGO");
    EXPECT_EQ(shown(), (Numbers{2, 1}));
    click("?FUZZYCLEAR");
    EXPECT_EQ(shown(), (Numbers{1, 2}));
    EXPECT_TRUE(text("?FUZZYQUERY").isEmpty());
}

TEST_F(RegisterWindow, WaitsForTheFormAndHighlightsTheAddedCertificate) {
    add({{1, u"А"_s}, {3, u"Б"_s}});
    std::function<void(Response)> answer;
    form = [&](WindowContext& c, std::function<void(Response)> done) {
        TableAccess& t = c.tables().access(u"FORMA3");
        t.prime();
        t.record().setInteger(FR3::NFORM, 2);
        t.insert();
        answer = done;
    };
    open();
    click("?INSERT:3");
    EXPECT_TRUE(window->waitsForForm());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_FALSE(window->close()) << "the form works on the register's record";
    answer(Response::Completed);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(shown(), (Numbers{1, 2, 3}));
    EXPECT_EQ(nform.get(), 2);
}

TEST_F(RegisterWindow, TheFilterFromTheQueryRestrictsTheList) {
    add({{1, u"ИП Иванов"_s}, {2, u"ООО «Ромашка»"_s}, {3, u"ООО Ромашка-2"_s}});
    open();
    click("?QUERY");
    ASSERT_TRUE(window->queryDialog());
    window->queryDialog()->setConditions({{4, QbeOperator::Contains, u"ромаш"_s}});
    window->queryDialog()->apply();
    EXPECT_EQ(shown(), (Numbers{2, 3}));
    EXPECT_EQ(window->model().filter(), u"INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1)"_s);
    window->queryDialog()->clearAll();
    EXPECT_EQ(shown(), (Numbers{1, 2, 3}));
}

TEST(RegisterWithoutData, SaysNoFolderIsActiveAndOpensNothing) {
    DataFolder::activate({});
    WindowContext context(RegisterModel::kProcedure, vetdocsSchema(),
                          std::make_unique<RecordingErrorManager>());
    RegisterModel model(context);
    EXPECT_FALSE(model.open());
    const auto& messages = static_cast<RecordingErrorManager&>(context.errors()).messages;
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, u"БД не подключена"_s);
}

}  // namespace
