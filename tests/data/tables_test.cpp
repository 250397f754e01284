#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "data/config.h"
#include "data/data_folder.h"
#include "data/forma3.h"
#include "data/last.h"
#include "data/ridgen.h"
#include "data/schema.h"
#include "runtime/storage/table_set.h"
#include "support/temp_folder.h"

using namespace Qt::StringLiterals;

namespace {

// The five tables as the program sets them up: the working folder and the
// active data folder are fresh, empty folders.
class Tables : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder::setWorkFolder(work.path());
        ASSERT_FALSE(DataFolder::activate(data.path()));
    }
    void TearDown() override {
        DataFolder::setWorkFolder({});
        DataFolder::activate({});
    }

    QStringList filesIn(const TempFolder& folder) const {
        return QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    }

    // "KOD=PATH" of every CONFIG record in stored order.
    std::vector<QString> configRows() {
        TableAccess& config = set.access(u"CONFIG");
        EXPECT_TRUE(config.open());
        std::vector<QString> rows;
        for (const StoredRecord& r : config.read({-1, false, {}, {}, 100})) {
            config.load(r);
            rows.push_back(config.record().text(KON::KOD) + u'=' + config.record().text(KON::PATH));
        }
        config.close();
        return rows;
    }

    void addRidgen(int kod, const QString& name) {
        TableAccess& ridgen = set.access(u"RIDGEN");
        ridgen.prime();
        ridgen.record().setInteger(RID::KOD, kod);
        ridgen.record().setText(RID::NAME, name);
        ASSERT_TRUE(ridgen.insert());
    }

    void addConfig(int kod, const QString& path) {
        TableAccess& config = set.access(u"CONFIG");
        ASSERT_TRUE(config.open());
        config.prime();
        config.record().setInteger(KON::KOD, kod);
        config.record().setText(KON::PATH, path);
        ASSERT_TRUE(config.insert());
        config.close();
    }

    qint64 addCertificate(qint64 number, qint32 day) {
        TableAccess& forma3 = set.access(u"FORMA3");
        forma3.prime();
        forma3.record().setInteger(FR3::NFORM, number);
        forma3.record().setInteger(FR3::DATAV, day);
        EXPECT_TRUE(forma3.insert());
        return forma3.position();
    }

    TempFolder work;
    TempFolder data;
    RecordingErrorManager errors;
    TableSet set{vetdocsSchema(), errors};
};

using Rows = std::vector<QString>;

TEST_F(Tables, FirstUseCreatesTheWorkingFilesSilently) {
    EXPECT_TRUE(filesIn(work).isEmpty());
    for (const char16_t* label : {u"LAST", u"CONFIG", u"RIDGEN"}) {
        TableRelation& table = set.relate(QStringView(label));
        ASSERT_TRUE(table.open()) << QString::fromUtf16(label).toStdString();
        EXPECT_EQ(table.access().messageName(), QString::fromUtf16(label));
        // A new profile table starts with the standard profile.
        EXPECT_EQ(table.access().count(), label == std::u16string_view(u"LAST") ? 1 : 0);
        table.close();
    }
    EXPECT_EQ(filesIn(work), (QStringList{u"CONFIG.DAT"_s, u"LAST.DAT"_s, u"RIDGEN.DAT"_s}));
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Tables, NewProfileTableHoldsTheStandardProfileOnce) {
    for (int opening = 0; opening < 2; ++opening) {
        TableRelation& last = set.relate(u"LAST");
        ASSERT_TRUE(last.open());
        EXPECT_EQ(last.access().count(), 1);
        ASSERT_TRUE(last.access().fetchKey(LAS::K1, 1));
        EXPECT_EQ(last.access().record().text(LAS::TYPEFACE), u"Arial Cyr"_s);
        EXPECT_EQ(last.access().record().integer(LAS::FONTSIZE), 10);
        last.close();
    }
}

TEST_F(Tables, CertificatesLiveInTheDataFolderWithoutAPermitFile) {
    TableRelation& forma3 = set.relate(u"FORMA3");
    ASSERT_TRUE(forma3.open());
    EXPECT_EQ(forma3.access().messageName(), data.file(u"forma3.dat"_s));
    addCertificate(1, 81649);
    forma3.access().record().setText(FR3::S2, u"ООО «Ромашка»"_s);
    ASSERT_TRUE(forma3.update());
    ASSERT_TRUE(forma3.remove());
    addCertificate(2, 81650);
    forma3.close();
    EXPECT_EQ(filesIn(data), QStringList{u"forma3.dat"_s});
    EXPECT_TRUE(filesIn(work).isEmpty());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Tables, NoActiveDataFolderIsAFatalMessage) {
    DataFolder::activate({});
    EXPECT_FALSE(set.relate(u"FORMA3").open());
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0].severity, Severity::Fatal);
    EXPECT_EQ(errors.messages[0].title, u"БД не подключена"_s);
    EXPECT_TRUE(filesIn(data).isEmpty());
}

TEST_F(Tables, PrimedCertificateIsIssuedAndOtherwiseBlank) {
    TableAccess& forma3 = set.access(u"FORMA3");
    ASSERT_TRUE(forma3.open());
    forma3.record().setText(FR3::S2, u"от прошлой записи"_s);
    forma3.record().setInteger(FR3::NFORM, 77);
    forma3.prime();
    EXPECT_EQ(forma3.record().text(FR3::COMMENT), u"Выдано"_s);
    for (int field = 0; field < FR3::FieldCount; ++field)
        if (field != FR3::COMMENT) {
            EXPECT_TRUE(forma3.record().isBlank(field)) << field;
        }
}

TEST_F(Tables, NumberAndDateKeysLeaveOutZeroAndAcceptDuplicates) {
    TableAccess& forma3 = set.access(u"FORMA3");
    ASSERT_TRUE(forma3.open());
    const qint64 noNumber = addCertificate(0, 81649);
    const qint64 noDate = addCertificate(12, 0);
    const qint64 first = addCertificate(12, 81649);
    const qint64 twin = addCertificate(12, 81649);
    const auto positions = [&](int key) {
        std::vector<qint64> p;
        for (const StoredRecord& r : forma3.read({key, false, {}, {}, 100}))
            p.push_back(r.position);
        return p;
    };
    EXPECT_EQ(positions(FR3::K2), (std::vector<qint64>{noDate, first, twin}));
    EXPECT_EQ(positions(FR3::K3), (std::vector<qint64>{noNumber, first, twin}));
    EXPECT_TRUE(positions(FR3::K1).empty());  // FR3:NLIC is never filled
    EXPECT_EQ(forma3.count(), 4);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Tables, TextKeysIgnoreLetterCaseInOrderAndLookUp) {
    TableAccess& ridgen = set.access(u"RIDGEN");
    ASSERT_TRUE(ridgen.open());
    const QString names[] = {u"ёлка"_s,  u"Альфа"_s, u"beta"_s,   u"Ёжик"_s,
                             u"альфа"_s, u"BETA"_s,  u"яблоко"_s, u"Ягода"_s};
    for (int i = 0; i < 8; ++i)
        addRidgen(i + 1, names[i]);
    Rows order;
    for (const StoredRecord& r : ridgen.read({RID::K2, false, {}, {}, 100})) {
        ridgen.load(r);
        order.push_back(ridgen.record().text(RID::NAME));
    }
    // By the code page's codes once folded: Latin, then Ё, then А to Я;
    // equal names in the order they were added.
    EXPECT_EQ(order, (Rows{u"beta"_s, u"BETA"_s, u"Ёжик"_s, u"ёлка"_s, u"Альфа"_s, u"альфа"_s,
                           u"яблоко"_s, u"Ягода"_s}));
    ASSERT_TRUE(ridgen.fetchKey(RID::K2, u"ЁЛКА"_s));
    EXPECT_EQ(ridgen.record().text(RID::NAME), u"ёлка"_s);
    ASSERT_TRUE(ridgen.fetchKey(RID::K2, u"Beta"_s));
    EXPECT_EQ(ridgen.record().text(RID::NAME), u"beta"_s);
    EXPECT_FALSE(ridgen.fetchKey(RID::K2, u"елка"_s));
}

TEST_F(Tables, HeadOrganisationsAreNumberedHighestPlusOne) {
    TableAccess& ridgen = set.access(u"RIDGEN");
    ASSERT_TRUE(ridgen.open());
    ASSERT_TRUE(ridgen.primeAutoNumber());
    EXPECT_EQ(ridgen.record().integer(RID::KOD), 1);
    addRidgen(2, u"Вторая"_s);
    addRidgen(5, u"Пятая"_s);
    ASSERT_TRUE(ridgen.primeAutoNumber());
    EXPECT_EQ(ridgen.record().integer(RID::KOD), 6);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Tables, HeadOrganisationCarriesItsDataFoldersAlong) {
    TempFolder unitA, unitB;
    {
        // A data folder with a certificate in it.
        TableAccess& forma3 = set.access(u"FORMA3");
        ASSERT_TRUE(DataFolder::activate(unitA.path()) == std::nullopt);
        ASSERT_TRUE(forma3.open());
        addCertificate(1, 81649);
        forma3.close();
    }
    const QByteArray certificates = [&] {
        QFile f(unitA.file(u"forma3.dat"_s));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    TableRelation& ridgen = set.relate(u"RIDGEN");
    ASSERT_TRUE(ridgen.open());
    addRidgen(1, u"Управление"_s);
    addRidgen(2, u"Другое"_s);
    addConfig(1, unitA.folder());
    addConfig(2, unitB.folder());
    addConfig(1, unitB.folder());

    ASSERT_TRUE(ridgen.access().fetchKey(RID::K1, 1));
    ridgen.access().record().setInteger(RID::KOD, 3);
    ASSERT_TRUE(ridgen.update());
    EXPECT_EQ(configRows(),
              (Rows{u"3="_s + unitA.folder(), u"2="_s + unitB.folder(), u"3="_s + unitB.folder()}));

    ASSERT_TRUE(ridgen.remove());
    EXPECT_EQ(configRows(), Rows{u"2="_s + unitB.folder()});
    QFile f(unitA.file(u"forma3.dat"_s));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), certificates);
    EXPECT_TRUE(errors.messages.empty());
}

}  // namespace
