#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "runtime/storage/storage_hooks.h"
#include "runtime/storage/table_access.h"
#include "storage_support.h"
#include "support/temp_folder.h"

namespace {

// Write protection as the system gives it: permissions for a user, the
// immutable attribute for root, who ignores permissions. Lifted again when
// it goes.
class WriteProtection {
public:
    explicit WriteProtection(QString path) : path_(std::move(path)) {
        QFile::setPermissions(
            path_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_});
    }
    ~WriteProtection() {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // False when this machine lets the process write anyway.
    bool holds() const {
        const bool folder = QFileInfo(path_).isDir();
        QFile probe(folder ? path_ + QStringLiteral("/probe") : path_);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) return true;
        probe.close();
        if (folder) probe.remove();
        return false;
    }

private:
    QString path_;
};

class TableOpen : public ::testing::Test {
protected:
    void TearDown() override { StorageHooks::setDenyWrite({}); }

    // A file holding the given number of notes, closed again.
    void makeNotes(int count) {
        TableAccess notes(def, errors);
        ASSERT_TRUE(notes.open());
        ASSERT_TRUE(notes.transaction([&] {
            for (int i = 1; i <= count; ++i) {
                notes.prime();
                notes.record().setInteger(Note::NUM, 1000 - i);
                notes.record().setText(Note::NAME, QStringLiteral("Имя %1").arg(i % 7));
                notes.record().setInteger(Note::DAY, 80000 + i % 11);
                if (!notes.insert()) return false;
            }
            return true;
        }));
        notes.close();
        ASSERT_TRUE(errors.messages.empty());
    }

    // Every record, read in the order of a key.
    static std::vector<qint64> numbersInKeyOrder(TableAccess& notes, int key) {
        std::vector<qint64> numbers;
        for (const StoredRecord& r : notes.read({key, false, {}, {}, 1000})) {
            notes.load(r);
            numbers.push_back(notes.record().integer(Note::NUM));
        }
        return numbers;
    }

    std::vector<QString> titles() const {
        std::vector<QString> t;
        for (const ErrorMessage& m : errors.messages)
            t.push_back(m.title);
        return t;
    }

    TempFolder folder;
    QString path = folder.file(QStringLiteral("note.dat"));
    TableDef def = Note::def([this] { return path; });
    RecordingErrorManager errors;
};

using Titles = std::vector<QString>;

TEST_F(TableOpen, BlankPathShowsTheFatalMessageAndCreatesNothing) {
    path.clear();
    TableAccess notes(def, errors);
    EXPECT_FALSE(notes.open());
    EXPECT_FALSE(notes.isOpen());
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0].severity, Severity::Fatal);
    EXPECT_EQ(errors.messages[0].title, def.noPathTitle);
    EXPECT_EQ(errors.messages[0].text, def.noPathText);
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(TableOpen, MissingOrEmptyFileIsCreatedSilently) {
    for (bool emptyFileFirst : {false, true}) {
        QFile::remove(path);
        if (emptyFileFirst) {
            QFile empty(path);
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        }
        TableAccess notes(def, errors);
        ASSERT_TRUE(notes.open()) << emptyFileFirst;
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_EQ(notes.count(), 0);
        notes.prime();
        EXPECT_TRUE(notes.insert());
        notes.close();
        EXPECT_TRUE(notes.open());
        EXPECT_EQ(notes.count(), 1);
        EXPECT_TRUE(errors.messages.empty()) << emptyFileFirst;
    }
}

TEST_F(TableOpen, MissingFolderIsACreationError) {
    path = folder.file(QStringLiteral("nowhere/note.dat"));
    TableAccess notes(def, errors);
    EXPECT_FALSE(notes.open());
    ASSERT_EQ(titles(), Titles{"File Creation Error"});
    EXPECT_EQ(errors.messages[0].severity, Severity::Fatal);
    EXPECT_TRUE(errors.messages[0].text.contains(QStringLiteral("nowhere")))
        << errors.messages[0].text.toStdString();
    EXPECT_TRUE(errors.messages[0].text.contains(QStringLiteral("NOTE")));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(TableOpen, OpensAreCountedAndThePathIsTakenAtTheFirst) {
    TableAccess notes(def, errors);
    ASSERT_TRUE(notes.open());
    const QString first = path;
    path = folder.file(QStringLiteral("other.dat"));
    ASSERT_TRUE(notes.open());
    EXPECT_EQ(notes.openCount(), 2);
    EXPECT_EQ(notes.path(), first);
    notes.close();
    EXPECT_TRUE(notes.isOpen());
    EXPECT_TRUE(isFileOpen(first));
    notes.close();
    EXPECT_FALSE(notes.isOpen());
    EXPECT_FALSE(isFileOpen(first));
    notes.close();  // one close too many does no harm
    EXPECT_EQ(notes.openCount(), 0);
    ASSERT_TRUE(notes.open());
    EXPECT_EQ(notes.path(), path);
    EXPECT_TRUE(QFile::exists(path));
}

// Files that are not this table's: refused with a clear reason, never
// written to.
TEST_F(TableOpen, ForeignFilesAreRefusedAndLeftUntouched) {
    const auto writeFile = [this](const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto sqliteFile = [this](const char* sql) {
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    };
    const auto tableFile = [this](const RecordLayout& layout, std::vector<KeyDef> keys) {
        TableDef other = def;
        other.layout = &layout;
        other.keys = std::move(keys);
        TableAccess access(other, errors);
        ASSERT_TRUE(access.open());
        access.prime();
        ASSERT_TRUE(access.insert());
    };
    static const RecordLayout otherTable(QStringLiteral("MEMO"), QStringLiteral("NOT"),
                                         {{"NUM", FieldType::Decimal, 5}});
    static const RecordLayout otherLayout(QStringLiteral("NOTE"), QStringLiteral("NOT"),
                                          {{"NUM", FieldType::Decimal, 6}});
    struct Case {
        const char* name;
        std::function<void()> make;
        QString reason;
    };
    const Case cases[] = {
        {"a text file", [&] { writeFile(QByteArray("Hello, world\n").repeated(400)); },
         "файл не является таблицей NOTE"},
        {"a short binary file", [&] { writeFile(QByteArray(7, '\x01')); },
         "файл не является таблицей NOTE"},
        {"an SQLite file of another program",
         [&] {
             sqliteFile(
                 "CREATE TABLE accounts (id INTEGER, sum REAL); INSERT INTO accounts VALUES (1, "
                 "2.5);");
         },
         "файл не является таблицей NOTE"},
        {"a file of another table", [&] { tableFile(otherTable, {}); },
         "файл принадлежит таблице MEMO, а не NOTE"},
        {"a file of another record layout", [&] { tableFile(otherLayout, {}); },
         "записи файла устроены иначе, чем записи таблицы NOTE"},
        {"a file with other keys", [&] { tableFile(Note::layout(), {def.keys[0]}); },
         "ключи файла не совпадают с ключами таблицы NOTE"},
    };
    for (const Case& c : cases) {
        QFile::remove(path);
        c.make();
        errors.messages.clear();
        const QByteArray before = fileBytes(path);
        TableAccess notes(def, errors);
        EXPECT_FALSE(notes.open()) << c.name;
        EXPECT_FALSE(notes.isOpen()) << c.name;
        ASSERT_EQ(titles(), Titles{"File Access Error"}) << c.name;
        EXPECT_EQ(errors.messages[0].severity, Severity::Fatal);
        EXPECT_TRUE(errors.messages[0].text.startsWith(
            QStringLiteral("File NOTE could not be opened.  Error: %1\n").arg(c.reason)))
            << c.name;
        EXPECT_TRUE(errors.messages[0].text.contains(QDir::toNativeSeparators(path)));
        EXPECT_EQ(fileBytes(path), before) << c.name;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"note.dat"}) << c.name;
    }
}

TEST_F(TableOpen, RefusedWriteAccessOpensReadOnlyAndRefusesChanges) {
    makeNotes(3);
    const QByteArray before = fileBytes(path);
    StorageHooks::setDenyWrite([this](const QString& p) { return p == path; });
    TableAccess notes(def, errors);
    ASSERT_TRUE(notes.open());
    ASSERT_EQ(titles(), Titles{"Access Denied"});
    EXPECT_EQ(errors.messages[0].severity, Severity::Notice);
    EXPECT_EQ(errors.messages[0].text,
              QStringLiteral("Could not get write access to NOTE so trying read-only."));
    EXPECT_TRUE(notes.isReadOnly());
    EXPECT_EQ(notes.count(), 3);
    ASSERT_TRUE(notes.fetchKey(Note::ByNum, 997));

    notes.record().setText(Note::NAME, u"Изменено");
    EXPECT_FALSE(notes.update());
    notes.prime();
    EXPECT_FALSE(notes.insert());
    ASSERT_TRUE(notes.fetchKey(Note::ByNum, 998));
    EXPECT_FALSE(notes.remove());
    EXPECT_EQ(titles(), (Titles{"Access Denied", "Record Write Error", "Record Insert Error",
                                "Record Write Error"}));
    EXPECT_TRUE(errors.messages[2].text.contains(QStringLiteral("только для чтения")));
    notes.close();
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(TableOpen, WriteProtectedFileOrFolderOpensReadOnly) {
    makeNotes(3);
    const QByteArray before = fileBytes(path);
    for (const QString& protectedPath : {path, folder.path()}) {
        errors.messages.clear();
        WriteProtection protection(protectedPath);
        if (!protection.holds()) GTEST_SKIP() << "the system lets this process write anyway";
        TableAccess notes(def, errors);
        ASSERT_TRUE(notes.open()) << protectedPath.toStdString();
        EXPECT_TRUE(notes.isReadOnly());
        EXPECT_EQ(notes.count(), 3);
        notes.prime();
        EXPECT_FALSE(notes.insert());
        EXPECT_EQ(titles(), (Titles{"Access Denied", "Record Insert Error"}));
    }
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(TableOpen, DamagedIndexIsRebuiltOnOpenAndTheTableWorks) {
    makeNotes(300);
    for (int damage = 0; damage < 6; ++damage) {
        const int key = damage % 3;
        errors.messages.clear();
        const QByteArray index = "key" + QByteArray::number(key);
        if (damage < 3)
            damagePage(path, index.constData());
        else
            dropIndex(path, index.constData());
        TableAccess notes(def, errors);
        ASSERT_TRUE(notes.open()) << key;
        ASSERT_EQ(titles(), Titles{"Invalid Key"}) << key;
        EXPECT_EQ(errors.messages[0].severity, Severity::Notice);
        EXPECT_EQ(errors.messages[0].text,
                  QStringLiteral("NOTE key file is invalid. Key must be rebuilt."));
        const std::vector<qint64> numbers = numbersInKeyOrder(notes, Note::ByNum);
        ASSERT_EQ(numbers.size(), 300u);
        EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
        EXPECT_EQ(numbersInKeyOrder(notes, Note::ByName).size(), 300u);
        EXPECT_TRUE(notes.checkIntegrity());
        notes.prime();
        notes.record().setInteger(Note::NUM, 5);
        EXPECT_TRUE(notes.insert());
        EXPECT_TRUE(notes.fetchKey(Note::ByNum, 5));
        notes.remove();
        EXPECT_EQ(titles(), Titles{"Invalid Key"});
    }
}

TEST_F(TableOpen, DamagedIndexOfAReadOnlyFileCannotBeRebuilt) {
    makeNotes(50);
    damagePage(path, "key1");
    StorageHooks::setDenyWrite([](const QString&) { return true; });
    TableAccess notes(def, errors);
    EXPECT_FALSE(notes.open());
    EXPECT_EQ(titles(), (Titles{"Access Denied", "Invalid Key", "Key was not built"}));
    EXPECT_EQ(errors.messages[2].severity, Severity::Fatal);
}

TEST_F(TableOpen, DamagedIndexMetWhileOpenIsRebuilt) {
    makeNotes(300);
    TableAccess notes(def, errors);
    ASSERT_TRUE(notes.open());
    damagePage(path, "key0");
    EXPECT_EQ(numbersInKeyOrder(notes, Note::ByNum).size(), 300u);
    EXPECT_EQ(titles(), Titles{"Invalid Key"});
    EXPECT_TRUE(notes.fetchKey(Note::ByNum, 999));
}

TEST_F(TableOpen, IntegrityCheckRebuildsKeysButNotRecords) {
    makeNotes(300);
    TableAccess notes(def, errors);
    ASSERT_TRUE(notes.open());
    EXPECT_TRUE(notes.checkIntegrity());
    EXPECT_TRUE(errors.messages.empty());

    damagePage(path, "key2");
    EXPECT_TRUE(notes.checkIntegrity());
    EXPECT_EQ(titles(), Titles{"Invalid Key"});
    EXPECT_EQ(numbersInKeyOrder(notes, Note::ByDay).size(), 300u);

    // A key value written wrong behind the table's back, the index sound.
    errors.messages.clear();
    alterFile(path, "UPDATE records SET k0 = 5 WHERE pos = 10");
    const std::vector<qint64> misplaced = numbersInKeyOrder(notes, Note::ByNum);
    EXPECT_FALSE(std::is_sorted(misplaced.begin(), misplaced.end()));
    EXPECT_TRUE(notes.checkIntegrity());
    EXPECT_EQ(titles(), Titles{"Invalid Key"});
    const std::vector<qint64> mended = numbersInKeyOrder(notes, Note::ByNum);
    EXPECT_TRUE(std::is_sorted(mended.begin(), mended.end()));
    errors.messages.clear();
    EXPECT_TRUE(notes.checkIntegrity());
    EXPECT_TRUE(errors.messages.empty());

    errors.messages.clear();
    damagePage(path, "records");
    EXPECT_FALSE(notes.checkIntegrity());
    ASSERT_EQ(titles(), Titles{"File Access Error"});
    EXPECT_TRUE(errors.messages[0].text.contains(QStringLiteral("файл повреждён")));
}

}  // namespace
