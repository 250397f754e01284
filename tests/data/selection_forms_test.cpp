#include <QDir>

#include "data/database_selection.h"
#include "data/selection_forms.h"
#include "selection_fixture.h"

namespace {

class DataFolderFormTest : public SelectionFixture {
protected:
    void SetUp() override {
        SelectionFixture::SetUp();
        addHead(1, QStringLiteral("Север"));
        selection = std::make_unique<DatabaseSelection>(*context);
        ASSERT_TRUE(selection->heads().fetchKey(RID::K1, 1));
        ASSERT_TRUE(selection->primeFolder());
    }
    void TearDown() override {
        selection.reset();
        SelectionFixture::TearDown();
    }

    // Saves a new folder with the path as typed; the stored paths after.
    bool saveNew(const QString& path) {
        DataFolderForm form(*context, Request::Insert);
        form.record().setText(KON::NAME, u"Ветстанция");
        form.record().setText(KON::PATH, path);
        saved = form.save();
        refusal = form.refusal();
        notices.clear();
        for (const ErrorMessage& notice : form.notices())
            notices << notice.title;
        return saved;
    }

    std::unique_ptr<DatabaseSelection> selection;
    TempFolder data;
    bool saved = false;
    QString refusal;
    QStringList notices;
};

TEST_F(DataFolderFormTest, PathWithoutItsSlashGetsOneSoFilesLandInside) {
    ASSERT_TRUE(saveNew(data.path()));
    EXPECT_EQ(stored(config(), KON::PATH), QStringList{data.folder()});
    EXPECT_TRUE(notices.isEmpty());
    ASSERT_TRUE(config().open());
    ASSERT_TRUE(config().fetchKey(KON::K1, 1));
    EXPECT_FALSE(selection->activateFolder());
    EXPECT_EQ(Forma3FileName.get(), data.folder() + "forma3.dat");
    config().close();
}

TEST_F(DataFolderFormTest, PathWithItsSlashIsStoredAsTyped) {
    ASSERT_TRUE(saveNew(data.folder()));
    EXPECT_EQ(stored(config(), KON::PATH), QStringList{data.folder()});
}

TEST_F(DataFolderFormTest, FolderThatDoesNotExistIsSavedWithAWarning) {
    const QString missing = data.path() + "/Нет такой папки";
    DataFolderForm form(*context, Request::Insert);
    form.record().setText(KON::PATH, missing);
    ASSERT_TRUE(form.save());
    EXPECT_EQ(stored(config(), KON::PATH), QStringList{missing + "/"});
    ASSERT_EQ(form.notices().size(), 1u);
    EXPECT_EQ(form.notices()[0].severity, Severity::Notice);
    EXPECT_EQ(form.notices()[0].title, "Папка не найдена");
    EXPECT_TRUE(form.notices()[0].text.contains(QDir::toNativeSeparators(missing + "/")));
}

TEST_F(DataFolderFormTest, EmptyPathIsSavedWithAWarning) {
    ASSERT_TRUE(saveNew(""));
    EXPECT_EQ(stored(config(), KON::PATH), QStringList{""});
    EXPECT_EQ(notices, QStringList{"Путь к БД не указан"});
}

TEST_F(DataFolderFormTest, PathTooLongForTheFileNamesIsRefusedAndNothingStored) {
    // 243 characters and "/" leave 11 for "licenziy.dat", one too few.
    const QString path = "/" + QString(242, u'п');
    EXPECT_FALSE(saveNew(path));
    EXPECT_EQ(refusal, *DataFolder::refusal(path));
    EXPECT_TRUE(stored(config(), KON::PATH).isEmpty());
    EXPECT_TRUE(notices.isEmpty());
    // One character less fits.
    EXPECT_TRUE(saveNew(path.chopped(1)));
}

TEST_F(DataFolderFormTest, ChangeWritesTheRecordBackAndKeepsItForHistory) {
    ASSERT_TRUE(saveNew(data.folder()));
    DataFolderForm form(*context, Request::Change);
    form.record().setText(KON::NAME, u"Новое имя");
    ASSERT_TRUE(form.save());
    EXPECT_EQ(stored(config(), KON::NAME), QStringList{"Новое имя"});
    EXPECT_EQ(context->history().last(DataFolderForm::kName, KON::layout()).text(KON::NAME),
              "Новое имя");
    // Cancelling a change leaves the stored record alone.
    DataFolderForm other(*context, Request::Change);
    other.cancel();
    EXPECT_EQ(stored(config(), KON::NAME), QStringList{"Новое имя"});
}

TEST(RecordFormTest, ActionTextFollowsTheRequest) {
    const struct {
        Request request;
        const char* text;
    } cases[] = {{Request::Insert, "Добавить запись"},
                 {Request::Change, "Изменить запись"},
                 {Request::Delete, ""}};
    TempFolder work;
    DataFolder::setWorkFolder(work.path());
    WindowContext context(QStringLiteral("BrowseBD"), vetdocsSchema(),
                          std::make_unique<RecordingErrorManager>());
    for (const auto& c : cases)
        EXPECT_EQ(HeadOrganisationForm(context, c.request).actionText(), c.text);
    DataFolder::setWorkFolder({});
}

}  // namespace
