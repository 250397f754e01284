#include <gtest/gtest.h>

#include <QFile>

#include "runtime/storage/storage_hooks.h"
#include "runtime/storage/table_set.h"
#include "storage_support.h"
#include "support/temp_folder.h"

using namespace Qt::StringLiterals;

namespace {

// ORG 1 with departments "Цех" and "Склад", ORG 2 with "Гараж"; staff in
// each department, their department written in any letter case.
class TableRelations : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(orgs.open());
        ASSERT_TRUE(depts.open());
        ASSERT_TRUE(staff.open());
        addOrg(1);
        addOrg(2);
        addDept(1, u"Цех"_s);
        addDept(1, u"Склад"_s);
        addDept(2, u"Гараж"_s);
        addStaff(u"ЦЕХ"_s, u"Иванов"_s);
        addStaff(u"цех"_s, u"Петров"_s);
        addStaff(u"Склад"_s, u"Сидоров"_s);
        addStaff(u"Гараж"_s, u"Кузнецов"_s);
        depts.close();
        staff.close();
        ASSERT_TRUE(errors.messages.empty());
    }
    void TearDown() override { StorageHooks::setDenyWrite({}); }

    void addOrg(int kod) {
        TableAccess& a = orgs.access();
        a.prime();
        a.record().setInteger(Org::KOD, kod);
        ASSERT_TRUE(a.insert());
    }
    void addDept(int kod, const QString& name) {
        TableAccess& a = depts.access();
        a.prime();
        a.record().setInteger(Dept::KOD, kod);
        a.record().setText(Dept::NAME, name);
        ASSERT_TRUE(a.insert());
    }
    void addStaff(const QString& dept, const QString& name) {
        TableAccess& a = staff.access();
        a.prime();
        a.record().setText(Staff::DEPT, dept);
        a.record().setText(Staff::NAME, name);
        ASSERT_TRUE(a.insert());
    }

    // "field=field" of every record in stored order, read through a fresh
    // table set so that nothing cached can answer.
    std::vector<QString> contents(const QString& label) {
        RecordingErrorManager quiet;
        TableSet fresh(schema, quiet);
        TableAccess& a = fresh.access(label);
        EXPECT_TRUE(a.open());
        std::vector<QString> rows;
        for (const StoredRecord& r : a.read({-1, false, {}, {}, 100})) {
            a.load(r);
            rows.push_back(a.record().text(0) + u'=' + a.record().text(1));
        }
        return rows;
    }

    bool fetchOrg(int kod) { return orgs.access().fetchKey(0, kod); }

    TempFolder folder;
    Schema schema = orgSchema(folder.path());
    RecordingErrorManager errors;
    std::unique_ptr<TableSet> set = std::make_unique<TableSet>(schema, errors);
    TableRelation& orgs = set->relate(u"ORG");
    TableRelation& depts = set->relate(u"DEPT");
    TableRelation& staff = set->relate(u"staff");
};

using Rows = std::vector<QString>;

TEST_F(TableRelations, RelatedFilesOpenOnlyWhenACascadeNeedsThem) {
    // A fresh folder: the parent alone is created and opened.
    TempFolder empty;
    const Schema emptySchema = orgSchema(empty.path());
    TableSet fresh(emptySchema, errors);
    TableRelation& org = fresh.relate(u"ORG");
    ASSERT_TRUE(org.open());
    org.access().prime();
    org.access().record().setInteger(Org::KOD, 4);
    ASSERT_TRUE(org.insert());
    org.access().record().setText(Org::NAME, u"Без смены кода"_s);
    ASSERT_TRUE(org.update());
    EXPECT_TRUE(QFile::exists(empty.file(u"org.dat"_s)));
    EXPECT_FALSE(QFile::exists(empty.file(u"dept.dat"_s)));
    EXPECT_FALSE(fresh.access(u"DEPT").isOpen());

    // Changing the link needs the children: their file appears, empty.
    org.access().record().setInteger(Org::KOD, 5);
    ASSERT_TRUE(org.update());
    EXPECT_TRUE(QFile::exists(empty.file(u"dept.dat"_s)));
    EXPECT_TRUE(fresh.access(u"DEPT").isOpen());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(TableRelations, ChangingTheLinkMovesExactlyTheChildren) {
    ASSERT_TRUE(fetchOrg(1));
    orgs.access().record().setInteger(Org::KOD, 7);
    ASSERT_TRUE(orgs.update());
    EXPECT_EQ(contents(u"DEPT"_s), (Rows{u"7=Цех"_s, u"7=Склад"_s, u"2=Гараж"_s}));
    // The department names did not change, so neither did the staff.
    EXPECT_EQ(contents(u"STAFF"_s).size(), 4u);
    EXPECT_EQ(contents(u"ORG"_s), (Rows{u"7="_s, u"2="_s}));
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(TableRelations, ChildrenFollowALinkMatchedWithoutRegardToCase) {
    ASSERT_TRUE(depts.open());
    ASSERT_TRUE(depts.access().fetchKey(Dept::ByName, u"цех"_s));
    depts.access().record().setText(Dept::NAME, u"Мастерская"_s);
    ASSERT_TRUE(depts.update());
    EXPECT_EQ(contents(u"STAFF"_s), (Rows{u"Мастерская=Иванов"_s, u"Мастерская=Петров"_s,
                                          u"Склад=Сидоров"_s, u"Гараж=Кузнецов"_s}));
    // A change of letter case alone is a change too.
    ASSERT_TRUE(depts.access().fetchKey(Dept::ByName, u"склад"_s));
    depts.access().record().setText(Dept::NAME, u"СКЛАД"_s);
    ASSERT_TRUE(depts.update());
    EXPECT_EQ(contents(u"STAFF"_s)[2], u"СКЛАД=Сидоров"_s);
}

TEST_F(TableRelations, DeletingRemovesChildrenAndTheirChildren) {
    ASSERT_TRUE(fetchOrg(1));
    ASSERT_TRUE(orgs.remove());
    EXPECT_EQ(orgs.access().position(), 0);
    EXPECT_EQ(contents(u"ORG"_s), Rows{u"2="_s});
    EXPECT_EQ(contents(u"DEPT"_s), Rows{u"2=Гараж"_s});
    EXPECT_EQ(contents(u"STAFF"_s), Rows{u"Гараж=Кузнецов"_s});
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(TableRelations, AFailedCascadeChangesNothingAndSaysWhere) {
    const Rows depts0 = contents(u"DEPT"_s), staff0 = contents(u"STAFF"_s);
    // The grandchildren's file may not be written: the departments already
    // deleted in the cascade come back with the rollback.
    const QString staffFile = folder.file(u"staff.dat"_s);
    StorageHooks::setDenyWrite([staffFile](const QString& p) { return p == staffFile; });
    ASSERT_TRUE(fetchOrg(1));
    EXPECT_FALSE(orgs.remove());
    ASSERT_EQ(errors.messages.size(), 2u);
    EXPECT_EQ(errors.messages[0].title, u"Access Denied"_s);
    EXPECT_EQ(errors.messages[1].title, u"Record Write Error"_s);
    EXPECT_TRUE(errors.messages[1].text.contains(u"только для чтения (STAFF)"_s))
        << errors.messages[1].text.toStdString();
    StorageHooks::setDenyWrite({});
    EXPECT_EQ(contents(u"ORG"_s).size(), 2u);
    EXPECT_EQ(contents(u"DEPT"_s), depts0);
    EXPECT_EQ(contents(u"STAFF"_s), staff0);

    // The parent itself fails last, after its children moved: they move back.
    errors.messages.clear();
    ASSERT_TRUE(fetchOrg(1));
    orgs.access().record().setInteger(Org::KOD, 2);  // ORG:K1 is unique
    EXPECT_FALSE(orgs.update());
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_TRUE(errors.messages[0].text.contains(u"уникального ключа"_s));
    EXPECT_EQ(contents(u"DEPT"_s), depts0);
}

TEST_F(TableRelations, RelatedTablesCloseWithTheLastCloseOfTheirOpener) {
    ASSERT_TRUE(orgs.open());  // now open twice
    ASSERT_TRUE(fetchOrg(2));
    ASSERT_TRUE(orgs.remove());
    TableAccess& deptAccess = set->access(u"DEPT");
    EXPECT_TRUE(deptAccess.isOpen());
    orgs.close();
    EXPECT_TRUE(deptAccess.isOpen());
    orgs.close();
    EXPECT_FALSE(orgs.access().isOpen());
    EXPECT_FALSE(deptAccess.isOpen());
    EXPECT_FALSE(set->access(u"STAFF").isOpen());
    EXPECT_FALSE(isFileOpen(folder.file(u"dept.dat"_s)));
}

TEST_F(TableRelations, TheSetClosesEveryFileStillOpen) {
    ASSERT_TRUE(orgs.open());
    ASSERT_TRUE(depts.open());
    ASSERT_TRUE(fetchOrg(1));
    ASSERT_TRUE(orgs.remove());
    for (const char16_t* file : {u"org.dat", u"dept.dat", u"staff.dat"})
        EXPECT_TRUE(isFileOpen(folder.file(QString::fromUtf16(file))));
    set.reset();
    for (const char16_t* file : {u"org.dat", u"dept.dat", u"staff.dat"})
        EXPECT_FALSE(isFileOpen(folder.file(QString::fromUtf16(file))));
}

TEST_F(TableRelations, AutoNumberTakesTheHighestPlusOneAndAsksAfterThreeFailures) {
    TableAccess& a = orgs.access();
    addOrg(5);
    ASSERT_TRUE(a.primeAutoNumber());
    EXPECT_EQ(a.record().integer(Org::KOD), 6);
    // Reserved at once: the record is in the file.
    EXPECT_EQ(contents(u"ORG"_s).back(), u"6="_s);
    ASSERT_TRUE(a.remove());  // the user cancelled

    // A duplicate of the unique key is refused.
    a.prime();
    a.record().setInteger(Org::KOD, 5);
    EXPECT_FALSE(a.insert());
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0].title, u"Record Insert Error"_s);

    // Numbering into a read-only file fails; the user is asked after every
    // third attempt, and "no" gives up.
    orgs.close();
    errors.messages.clear();
    StorageHooks::setDenyWrite([](const QString&) { return true; });
    ASSERT_TRUE(orgs.open());
    errors.answers = {true, false};
    EXPECT_FALSE(a.primeAutoNumber());
    ASSERT_EQ(errors.messages.size(), 3u);
    EXPECT_EQ(errors.messages[1].title, u"Auto Increment Error"_s);
    EXPECT_EQ(errors.messages[1].severity, Severity::Question);
    EXPECT_TRUE(errors.messages[1].text.contains(u"Key: По коду"_s));
    EXPECT_TRUE(errors.messages[2].text.contains(u"только для чтения"_s));
}

}  // namespace
