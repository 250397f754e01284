#include <QFile>

#include "data/database_selection.h"
#include "data/selection_forms.h"
#include "selection_fixture.h"

namespace {

using HeadOrder = DatabaseSelection::HeadOrder;

class DatabaseSelectionTest : public SelectionFixture {
protected:
    // The rows a source gives, one field of each.
    QStringList rows(BrowseSource& source, TableAccess& table, int field) {
        QStringList values;
        RecordBuffer record(table.record().layout());
        for (const StoredRecord& row : source.next(nullptr, 50)) {
            record.setImage(row.image);
            values << record.value(field).toString();
        }
        return values;
    }

    // Loads the head organisation with the code into the buffer, as the
    // list does for its highlighted row.
    void highlightHead(DatabaseSelection& selection, int kod) {
        ASSERT_TRUE(selection.heads().fetchKey(RID::K1, kod));
    }
};

struct NumberingCase {
    std::vector<int> existing;
    qint64 next;
};

class Numbering : public DatabaseSelectionTest,
                  public ::testing::WithParamInterface<NumberingCase> {};

TEST_P(Numbering, NewHeadTakesTheHighestCodePlusOneAndKeepsItReserved) {
    for (int kod : GetParam().existing)
        addHead(kod, QStringLiteral("Орг %1").arg(kod));
    DatabaseSelection selection(*context);
    ASSERT_TRUE(selection.primeHead());
    EXPECT_EQ(selection.heads().record().integer(RID::KOD), GetParam().next);
    EXPECT_EQ(stored(ridgen(), RID::KOD).size(), qsizetype(GetParam().existing.size() + 1));
}

INSTANTIATE_TEST_SUITE_P(Codes, Numbering,
                         ::testing::Values(NumberingCase{{}, 1}, NumberingCase{{1, 2, 5}, 6},
                                           NumberingCase{{5, 2, 1}, 6}));

TEST_F(DatabaseSelectionTest, CancellingANewHeadGivesItsCodeBack) {
    addHead(1, QStringLiteral("Район"));
    DatabaseSelection selection(*context);
    ASSERT_TRUE(selection.primeHead());
    HeadOrganisationForm form(*context, Request::Insert);
    form.cancel();
    EXPECT_EQ(stored(ridgen(), RID::KOD), QStringList{QStringLiteral("1")});
    ASSERT_TRUE(selection.primeHead());
    EXPECT_EQ(selection.heads().record().integer(RID::KOD), 2);
}

TEST_F(DatabaseSelectionTest, SavedNewHeadKeepsItsReservedCodeOnce) {
    DatabaseSelection selection(*context);
    ASSERT_TRUE(selection.primeHead());
    HeadOrganisationForm form(*context, Request::Insert);
    form.record().setText(RID::NAME, u"Областная ветстанция");
    ASSERT_TRUE(form.save());
    EXPECT_EQ(stored(ridgen(), RID::NAME), QStringList{QStringLiteral("Областная ветстанция")});
    EXPECT_EQ(stored(ridgen(), RID::KOD), QStringList{QStringLiteral("1")});
}

TEST_F(DatabaseSelectionTest, DeletingAHeadDeletesItsFoldersButNoFiles) {
    TempFolder data;
    QFile certificates(data.file(QStringLiteral("forma3.dat")));
    ASSERT_TRUE(certificates.open(QIODevice::WriteOnly));
    certificates.close();
    addHead(1, QStringLiteral("Север"));
    addHead(2, QStringLiteral("Юг"));
    addFolder(1, QStringLiteral("Первая"), data.folder());
    addFolder(2, QStringLiteral("Южная"), QStringLiteral("/srv/south/"));
    addFolder(1, QStringLiteral("Вторая"), QStringLiteral("/srv/second/"));
    DatabaseSelection selection(*context);
    highlightHead(selection, 1);
    HeadOrganisationForm form(*context, Request::Delete);
    ASSERT_TRUE(form.remove());
    EXPECT_EQ(stored(ridgen(), RID::NAME), QStringList{QStringLiteral("Юг")});
    EXPECT_EQ(stored(config(), KON::NAME), QStringList{QStringLiteral("Южная")});
    EXPECT_TRUE(QFile::exists(certificates.fileName()));
    EXPECT_TRUE(errors->messages.empty());
}

TEST_F(DatabaseSelectionTest, SortTabsGiveCodeOrderOrStoredOrder) {
    addHead(3, QStringLiteral("Восток"));
    addHead(1, QStringLiteral("Запад"));
    addHead(2, QStringLiteral("Абинск"));
    DatabaseSelection selection(*context);
    EXPECT_EQ(selection.headOrder(), HeadOrder::Code);
    EXPECT_EQ(rows(*selection.headSource(), ridgen(), RID::KOD), (QStringList{"1", "2", "3"}));
    selection.setHeadOrder(HeadOrder::Stored);
    // Not by name: the tab "Наименование" lists the heads as they were added.
    EXPECT_EQ(rows(*selection.headSource(), ridgen(), RID::NAME),
              (QStringList{"Восток", "Запад", "Абинск"}));
}

TEST_F(DatabaseSelectionTest, FolderListHoldsTheHighlightedHeadsFoldersInStoredOrder) {
    addHead(1, QStringLiteral("Север"));
    addHead(2, QStringLiteral("Юг"));
    addHead(3, QStringLiteral("Пустая"));
    addFolder(2, QStringLiteral("Б"), QStringLiteral("/b/"));
    addFolder(1, QStringLiteral("Северная"), QStringLiteral("/n/"));
    addFolder(2, QStringLiteral("А"), QStringLiteral("/a/"));
    DatabaseSelection selection(*context);
    highlightHead(selection, 2);
    EXPECT_EQ(rows(*selection.folderSource(), config(), KON::NAME), (QStringList{"Б", "А"}));
    EXPECT_EQ(selection.folderOwner(), 2);
    highlightHead(selection, 3);
    EXPECT_TRUE(rows(*selection.folderSource(), config(), KON::NAME).isEmpty());
    selection.heads().prime();  // an empty head list holds no organisation
    EXPECT_TRUE(rows(*selection.folderSource(), config(), KON::NAME).isEmpty());
    EXPECT_FALSE(selection.primeFolder());
}

TEST_F(DatabaseSelectionTest, NewFolderBelongsToTheHighlightedHead) {
    addHead(4, QStringLiteral("Юг"));
    DatabaseSelection selection(*context);
    highlightHead(selection, 4);
    ASSERT_TRUE(selection.primeFolder());
    EXPECT_EQ(selection.folders().record().integer(KON::KOD), 4);
    EXPECT_EQ(selection.folders().position(), 0);  // stored only when saved
}

TEST_F(DatabaseSelectionTest, ActivatingTakesTheFolderInTheBuffer) {
    addHead(1, QStringLiteral("Север"));
    addFolder(1, QStringLiteral("Первая"), QStringLiteral("/srv/first/"));
    DatabaseSelection selection(*context);
    selection.folders().prime();
    EXPECT_FALSE(selection.activateFolder());  // nothing held: nothing changes
    EXPECT_EQ(Forma3FileName.get(), "");
    ASSERT_TRUE(selection.folders().fetchKey(KON::K1, 1));
    EXPECT_FALSE(selection.activateFolder());
    EXPECT_EQ(Forma3FileName.get(), "/srv/first/forma3.dat");
    EXPECT_EQ(LicenziyFileName.get(), "/srv/first/licenziy.dat");
}

TEST_F(DatabaseSelectionTest, ActivatingAFolderSavedWithoutItsSlashStillNamesFilesInside) {
    addHead(1, QStringLiteral("Север"));
    addFolder(1, QStringLiteral("Старая запись"), QStringLiteral("/srv/old"));
    DatabaseSelection selection(*context);
    ASSERT_TRUE(selection.folders().fetchKey(KON::K1, 1));
    EXPECT_FALSE(selection.activateFolder());
    EXPECT_EQ(Forma3FileName.get(), "/srv/old/forma3.dat");
}

TEST_F(DatabaseSelectionTest, ForeignFileIsReportedAndNothingOpens) {
    QFile foreign(work.file("CONFIG.DAT"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("not a table of this program");
    foreign.close();
    DatabaseSelection selection(*context);
    EXPECT_FALSE(selection.isOpen());
    EXPECT_FALSE(selection.heads().isOpen());
    EXPECT_FALSE(selection.folders().isOpen());
    EXPECT_EQ(messageTitles(), QStringList{"File Access Error"});
}

}  // namespace
