#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "runtime/core/cp1251.h"
#include "runtime/storage/table_access.h"
#include "storage_support.h"
#include "support/temp_folder.h"

using namespace Qt::StringLiterals;

namespace {

class TableRecords : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(notes.open()); }

    qint64 add(qint64 num, const QString& name, qint64 day = 0) {
        notes.prime();
        notes.record().setInteger(Note::NUM, num);
        notes.record().setText(Note::NAME, name);
        notes.record().setInteger(Note::DAY, day);
        EXPECT_TRUE(notes.insert());
        return notes.position();
    }

    // Pages through a whole key (or stored order), each page continuing
    // after the last record of the one before.
    std::vector<qint64> pageThrough(int key, bool backward, int pageSize) {
        std::vector<qint64> positions;
        ReadRequest request{key, backward, {}, {}, pageSize};
        for (;;) {
            const std::vector<StoredRecord> page = notes.read(request);
            for (const StoredRecord& r : page)
                positions.push_back(r.position);
            if (static_cast<int>(page.size()) < pageSize) return positions;
            request.after = page.back();
        }
    }

    std::vector<QString> namesOf(const std::vector<StoredRecord>& page) {
        std::vector<QString> names;
        for (const StoredRecord& r : page) {
            notes.load(r);
            names.push_back(notes.record().text(Note::NAME));
        }
        return names;
    }

    TempFolder folder;
    RecordingErrorManager errors;
    TableDef def = Note::def([this] { return folder.file(QStringLiteral("note.dat")); });
    TableAccess notes{def, errors};
};

TEST_F(TableRecords, RecordsKeepTheirImagesAndPositions) {
    const qint64 first = add(1, u"Первая"_s);
    // Bytes that collide with the blank coding, in number fields.
    notes.prime();
    notes.record().setInteger(Note::DAY, 0x20989820);
    notes.record().setInteger(Note::FLAG, 0x98);
    notes.record().setText(Note::BODY, QString(299, u' ') + u'я');
    const QByteArray image = notes.record().image();
    ASSERT_TRUE(notes.insert());
    const qint64 second = notes.position();
    EXPECT_GT(second, first);

    notes.prime();
    ASSERT_TRUE(notes.fetch(second));
    EXPECT_EQ(notes.record().image(), image);
    EXPECT_EQ(notes.position(), second);

    notes.record().setText(Note::NAME, u"Вторая"_s);
    ASSERT_TRUE(notes.update());
    ASSERT_TRUE(notes.fetch(first));
    ASSERT_TRUE(notes.fetch(second));
    EXPECT_EQ(notes.record().text(Note::NAME), u"Вторая"_s);

    // A deleted position is never given out again, not even the last one.
    ASSERT_TRUE(notes.remove());
    EXPECT_EQ(notes.position(), 0);
    EXPECT_FALSE(notes.fetch(second));
    EXPECT_GT(add(3, u"Третья"_s), second);
    EXPECT_EQ(notes.count(), 2);
    EXPECT_TRUE(errors.messages.empty());

    // A record that another user deleted cannot be written back.
    notes.setPosition(second);
    EXPECT_FALSE(notes.update());
    EXPECT_FALSE(notes.remove());
    ASSERT_EQ(errors.messages.size(), 2u);
    EXPECT_EQ(errors.messages[0].title, QStringLiteral("Record Write Error"));
}

TEST_F(TableRecords, PrimeClearsAndSetsStartValues) {
    notes.record().setText(Note::NAME, u"старое"_s);
    notes.record().setInteger(Note::NUM, 5);
    notes.setPosition(7);
    notes.prime();
    EXPECT_TRUE(notes.record().isBlank(Note::NAME));
    EXPECT_TRUE(notes.record().isBlank(Note::NUM));
    EXPECT_EQ(notes.record().text(Note::BODY), u"новая"_s);
    EXPECT_EQ(notes.position(), 0);
}

// Pages of every size through a key with many duplicates and records left
// out of it, both ways, against the order worked out here.
TEST_F(TableRecords, KeyOrderPagesAcrossDuplicatesBothWays) {
    std::mt19937 random(7);
    const QString names[] = {u"ёж"_s, u"Ёж"_s,  u"Еж"_s,   u"abc"_s, u"ABD"_s,
                             u"  "_s, u"яма"_s, u"Яма "_s, u"ж"_s,   u"Z"_s};
    struct Row {
        qint64 position, num, day;
        QByteArray name;
    };
    std::vector<Row> rows;
    ASSERT_TRUE(notes.transaction([&] {
        for (int i = 0; i < 97; ++i) {
            const qint64 num = random() % 6;  // 0 leaves the record out of the key
            const QString name = names[random() % 10];
            const qint64 day = random() % 3 ? 81000 + random() % 4 : 0;
            const QByteArray folded = Cp1251::upper(*Cp1251::encode(name.trimmed()));
            rows.push_back({add(num, name, day), num, day, folded});
        }
        return true;
    }));
    struct Case {
        int key;
        std::function<bool(const Row&)> inKey;
        std::function<bool(const Row&, const Row&)> less;
    };
    const Case cases[] = {
        {Note::ByNum, [](const Row& r) { return r.num != 0; },
         [](const Row& a, const Row& b) {
             return std::tie(a.num, a.position) < std::tie(b.num, b.position);
         }},
        {Note::ByName, [](const Row& r) { return !r.name.isEmpty(); },
         [](const Row& a, const Row& b) {
             return std::tie(a.name, a.position) < std::tie(b.name, b.position);
         }},
        {Note::ByDay, [](const Row& r) { return r.day != 0; },
         [](const Row& a, const Row& b) {
             return std::tie(a.day, a.position) < std::tie(b.day, b.position);
         }},
    };
    for (const Case& c : cases) {
        std::vector<Row> expected;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(expected), c.inKey);
        std::sort(expected.begin(), expected.end(), c.less);
        std::vector<qint64> forward;
        for (const Row& r : expected)
            forward.push_back(r.position);
        const std::vector<qint64> backward(forward.rbegin(), forward.rend());
        for (int pageSize : {1, 4, 30, 200}) {
            EXPECT_EQ(pageThrough(c.key, false, pageSize), forward) << c.key << " " << pageSize;
            EXPECT_EQ(pageThrough(c.key, true, pageSize), backward) << c.key << " " << pageSize;
        }
    }
    std::vector<qint64> stored;
    for (const Row& r : rows)
        stored.push_back(r.position);
    EXPECT_EQ(pageThrough(-1, false, 10), stored);
    EXPECT_EQ(pageThrough(-1, true, 10), std::vector<qint64>(stored.rbegin(), stored.rend()));
}

TEST_F(TableRecords, ReadStartsAtAValueComparedLikeTheKey) {
    for (const char16_t* name : {u"Абрамов", u"иванов", u"Иванова", u"ИВАНОВ", u"Петров", u"ёлкин"})
        add(1, QString::fromUtf16(name));
    EXPECT_EQ(namesOf(notes.read({Note::ByName, false, {}, QVariant(u"ив"_s), 3})),
              (std::vector<QString>{u"иванов"_s, u"ИВАНОВ"_s, u"Иванова"_s}));
    EXPECT_EQ(namesOf(notes.read({Note::ByName, true, {}, QVariant(u"ИВАНОВ  "_s), 10})),
              (std::vector<QString>{u"ИВАНОВ"_s, u"иванов"_s, u"Абрамов"_s, u"ёлкин"_s}));
    // Ё sorts apart from Е, by its code: before А.
    EXPECT_EQ(namesOf(notes.read({Note::ByName, false, {}, QVariant(u"Я"_s), 10})),
              std::vector<QString>{});
    EXPECT_EQ(namesOf(notes.read({Note::ByName, true, {}, QVariant(u"Б"_s), 10})),
              (std::vector<QString>{u"Абрамов"_s, u"ёлкин"_s}));
    // A blank start value starts at the beginning.
    EXPECT_EQ(notes.read({Note::ByName, false, {}, QVariant(QString()), 10}).size(), 6u);

    for (qint64 num : {30, 10, 20})
        add(num, {});
    std::vector<qint64> from20;
    for (const StoredRecord& r : notes.read({Note::ByNum, false, {}, QVariant(20), 10})) {
        notes.load(r);
        from20.push_back(notes.record().integer(Note::NUM));
    }
    EXPECT_EQ(from20, (std::vector<qint64>{20, 30}));
}

TEST_F(TableRecords, RecordsOutOfTheKeyAppearOnlyInStoredOrder) {
    const qint64 blank = add(0, {}, 0);
    add(5, u"Есть"_s, 81000);
    for (int key : {Note::ByNum, Note::ByName, Note::ByDay})
        EXPECT_EQ(notes.read({key, false, {}, {}, 10}).size(), 1u) << key;
    EXPECT_EQ(notes.read({-1, false, {}, {}, 10}).size(), 2u);
    // Continuing after a record out of the key: from the start forwards,
    // nothing backwards.
    ASSERT_TRUE(notes.fetch(blank));
    const StoredRecord outside{blank, notes.record().image()};
    EXPECT_EQ(notes.read({Note::ByName, false, outside, {}, 10}).size(), 1u);
    EXPECT_TRUE(notes.read({Note::ByName, true, outside, {}, 10}).empty());
    EXPECT_FALSE(notes.fetchKey(Note::ByNum, 0));
    EXPECT_FALSE(notes.fetchKey(Note::ByName, u"   "_s));
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(TableRecords, FetchKeyFindsTheFirstInKeyOrderWhateverTheCase) {
    const qint64 first = add(1, u"ёлка"_s);
    add(2, u"ЁЛКА"_s);
    add(3, u"Елка"_s);
    const qint64 latin = add(4, u"Tree"_s);
    ASSERT_TRUE(notes.fetchKey(Note::ByName, u"ЁлКа"_s));
    EXPECT_EQ(notes.position(), first);
    ASSERT_TRUE(notes.fetchKey(Note::ByName, u"tREE  "_s));
    EXPECT_EQ(notes.position(), latin);
    ASSERT_TRUE(notes.fetchKey(Note::ByName, u"елка"_s));
    EXPECT_EQ(notes.record().integer(Note::NUM), 3);
    EXPECT_FALSE(notes.fetchKey(Note::ByName, u"ёлк"_s));
    EXPECT_EQ(notes.record().integer(Note::NUM), 3);  // the buffer stays as it was
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(TableRecords, KeyValueIsFoldedAndClippedOrInvalid) {
    RecordBuffer r(Note::layout());
    r.setText(Note::NAME, u"Ёжик в тумане"_s);
    r.setInteger(Note::NUM, 42);
    EXPECT_EQ(notes.keyValue(Note::ByName, r), QVariant(u"ЁЖИК В ТУМАНЕ"_s));
    EXPECT_EQ(notes.keyValue(Note::ByNum, r), QVariant(qint64(42)));
    EXPECT_FALSE(notes.keyValue(Note::ByDay, r).isValid());
    r.setText(Note::NAME, u" "_s);
    EXPECT_FALSE(notes.keyValue(Note::ByName, r).isValid());
}

TEST_F(TableRecords, TransactionKeepsAllOrNothing) {
    const auto addThree = [this](bool keep) {
        return notes.transaction([&] {
            for (int i = 0; i < 3; ++i)
                add(i + 1, u"В пакете"_s);
            return keep;
        });
    };
    EXPECT_FALSE(addThree(false));
    EXPECT_EQ(notes.count(), 0);
    EXPECT_TRUE(addThree(true));
    EXPECT_EQ(notes.count(), 3);
    // Nested: the inner one given up, the outer kept.
    EXPECT_TRUE(notes.transaction([&] {
        add(9, {});
        EXPECT_FALSE(addThree(false));
        return true;
    }));
    EXPECT_EQ(notes.count(), 4);
}

TEST_F(TableRecords, DataVersionFollowsChangesFromAnyConnection) {
    RecordingErrorManager otherErrors;
    TableAccess other(def, otherErrors);
    ASSERT_TRUE(other.open());
    qint64 version = notes.dataVersion();
    EXPECT_EQ(notes.dataVersion(), version);
    add(1, {});
    EXPECT_NE(notes.dataVersion(), version);
    version = notes.dataVersion();
    other.prime();
    ASSERT_TRUE(other.insert());
    EXPECT_NE(notes.dataVersion(), version);
    EXPECT_EQ(notes.count(), 2);
}

TEST_F(TableRecords, OperationsOnAClosedTableFailWithAMessage) {
    notes.close();
    notes.prime();
    EXPECT_FALSE(notes.insert());
    EXPECT_EQ(notes.count(), -1);
    EXPECT_TRUE(notes.read({}).empty());
    ASSERT_EQ(errors.messages.size(), 3u);
    EXPECT_TRUE(errors.messages[0].text.contains(QStringLiteral("таблица не открыта")));
}

}  // namespace
