#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include "register/qbe_dialog.h"
#include "register/qbe_saved_queries.h"
#include "support/temp_folder.h"

using namespace Qt::StringLiterals;

namespace {

using enum QbeOperator;

class QbeSaved : public ::testing::Test {
protected:
    QString path() const { return folder.file(u"vetdocs.INI"_s); }

    TempFolder folder;
    SettingsFile settings{path()};
    QbeSavedQueries saved{settings};
};

TEST_F(QbeSaved, QueriesComeBackFromTheFileUnderTheirNames) {
    const std::vector<QbeCondition> july{{2, From, u"01.07.2024"_s}, {3, To, u"31.07.2024"_s}};
    const std::vector<QbeCondition> romashka{{4, Contains, u"ромашка/«ю» = 'x'"_s}};
    ASSERT_TRUE(saved.save(u"Июль 2024"_s, july));
    ASSERT_TRUE(saved.save(u"Ромашка / все"_s, romashka));

    SettingsFile reopened(path());
    const QbeSavedQueries again(reopened);
    EXPECT_EQ(again.names(), (QStringList{u"Июль 2024"_s, u"Ромашка / все"_s}));
    EXPECT_EQ(again.load(u"июль 2024"_s), july);
    EXPECT_EQ(again.load(u"Ромашка / все"_s), romashka);
    EXPECT_EQ(again.load(u"Август"_s), std::nullopt);
}

TEST_F(QbeSaved, SavingUnderATakenNameReplacesAndRemovingForgets) {
    ASSERT_TRUE(saved.save(u"Отбор"_s, {{0, Equal, u"1"_s}}));
    ASSERT_TRUE(saved.save(u"ОТБОР"_s, {{0, Equal, u"2"_s}}));
    EXPECT_EQ(saved.names(), QStringList{u"ОТБОР"_s});
    EXPECT_EQ(saved.load(u"отбор"_s), (std::vector<QbeCondition>{{0, Equal, u"2"_s}}));
    ASSERT_TRUE(saved.remove(u"Отбор"_s));
    EXPECT_TRUE(saved.names().isEmpty());
}

TEST_F(QbeSaved, ADamagedEntryIsLeftOutAndTheOthersStay) {
    ASSERT_TRUE(saved.save(u"Хороший"_s, {{0, Equal, u"1"_s}}));
    settings.setValue(QbeSavedQueries::kSection, u"Query7"_s, u"{broken"_s);
    settings.setValue(QbeSavedQueries::kSection, u"Query8"_s,
                      uR"({"name":"Испорченный","conditions":[{"item":77}]})"_s);
    EXPECT_EQ(saved.names(), (QStringList{u"Испорченный"_s, u"Хороший"_s}));
    EXPECT_EQ(saved.load(u"Испорченный"_s), std::nullopt);
    EXPECT_TRUE(saved.load(u"Хороший"_s));
}

// The dialog saves the lines it shows and loads them back, applying them.
TEST_F(QbeSaved, TheDialogSavesAndLoadsItsLines) {
    QbeDialog dialog(saved);
    std::vector<QString> applied;
    QObject::connect(
        &dialog, &QbeDialog::filterChosen,
        [&](const QString& expression, const auto&) { applied.push_back(expression); });
    const std::vector<QbeCondition> lines{{2, From, u"01.07.2024"_s}, {4, StartsWith, u"ИП"_s}};
    dialog.setConditions(lines);
    dialog.savedNames()->setCurrentText(u"ИП с июля"_s);
    ASSERT_TRUE(dialog.saveQuery());
    dialog.clearAll();
    EXPECT_TRUE(dialog.conditions().empty());

    QbeDialog other{QbeSavedQueries(settings)};
    QObject::connect(&other, &QbeDialog::filterChosen, [&](const QString& expression, const auto&) {
        applied.push_back(expression);
    });
    ASSERT_EQ(other.savedNames()->count(), 1);
    other.savedNames()->setCurrentIndex(0);
    ASSERT_TRUE(other.loadQuery());
    EXPECT_EQ(other.conditions(), lines);
    EXPECT_EQ(applied,
              (std::vector<QString>{
                  QString(),
                  u"(UPPER(FR3:datav) >= 81635) AND (INSTRING('ИП', UPPER(FR3:s2), 1, 1) = 1)"_s}));
}

TEST_F(QbeSaved, TheDialogAsksBeforeReplacingASavedQuery) {
    ASSERT_TRUE(saved.save(u"Отбор"_s, {{0, Equal, u"1"_s}}));
    QWidget window;
    auto* dialog = new QbeDialog(saved, &window);
    window.show();
    dialog->setConditions({{0, Equal, u"2"_s}});
    dialog->savedNames()->setCurrentText(u"отбор"_s);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        EXPECT_FALSE(dialog->saveQuery());
        auto* question = window.findChild<QMessageBox*>();
        ASSERT_TRUE(question);
        EXPECT_EQ(question->text(), u"Запрос «отбор» уже сохранён. Заменить его?"_s);
        EXPECT_EQ(saved.load(u"Отбор"_s), (std::vector<QbeCondition>{{0, Equal, u"1"_s}}));
        question->button(answer)->click();
        delete question;
    }
    EXPECT_EQ(saved.load(u"Отбор"_s), (std::vector<QbeCondition>{{0, Equal, u"2"_s}}));
    EXPECT_EQ(saved.names(), QStringList{u"отбор"_s});
}

// Loading and removing say why nothing happened rather than claiming success.
TEST_F(QbeSaved, TheDialogTellsAMissingQueryFromADamagedOne) {
    settings.setValue(QbeSavedQueries::kSection, u"Query8"_s,
                      uR"({"name":"Испорченный","conditions":[{"item":77}]})"_s);
    QbeDialog dialog(saved);
    const struct {
        QString name;
        bool remove;
        QString message;
    } cases[] = {
        {u"Август"_s, false, u"Нет сохранённого запроса «Август»."_s},
        {u"Август"_s, true, u"Нет сохранённого запроса «Август»."_s},
        {u""_s, true, u"Выберите сохранённый запрос."_s},
        {u"Испорченный"_s, false,
         u"Запрос «Испорченный» повреждён в файле настроек и не загружен."_s},
        {u"Испорченный"_s, true, u"Запрос «Испорченный» удалён."_s},
    };
    for (const auto& c : cases) {
        dialog.savedNames()->setCurrentText(c.name);
        if (c.remove)
            dialog.removeQuery();
        else
            EXPECT_FALSE(dialog.loadQuery());
        EXPECT_EQ(dialog.message(), c.message) << c.name.toStdString();
    }
    EXPECT_TRUE(saved.names().isEmpty());
}

TEST_F(QbeSaved, TheDialogRefusesToApplyAWrongLine) {
    QbeDialog dialog(saved);
    int applied = 0;
    QObject::connect(&dialog, &QbeDialog::filterChosen, [&] { ++applied; });
    dialog.setConditions({{2, From, u"32.01.2024"_s}});
    dialog.apply();
    EXPECT_EQ(applied, 0);
    dialog.savedNames()->setCurrentText(u"Плохой"_s);
    EXPECT_FALSE(dialog.saveQuery());
    EXPECT_TRUE(saved.names().isEmpty());
}

}  // namespace
