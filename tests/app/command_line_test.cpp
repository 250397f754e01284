#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "data/data_folder.h"
#include "runtime/core/cp1251.h"
#include "support/command_runner.h"
#include "support/temp_folder.h"

namespace {

class CommandLine : public ::testing::Test {
protected:
    void TearDown() override { DataFolder::setWorkFolder({}); }

    CommandResult run(const QStringList& args) { return runCommand(work.path(), args); }
    QString writeFile(const QString& name, const QString& text) {
        QFile f(work.file(name));
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
        return f.fileName();
    }
    QString readFile(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }
    CommandResult import(const QString& csv) {
        return run({QStringLiteral("import"), QStringLiteral("--data"), data.path(),
                    writeFile(QStringLiteral("in.csv"), csv)});
    }
    CommandResult exportCsv(const QString& order = QStringLiteral("stored")) {
        return run({QStringLiteral("export"), QStringLiteral("--data"), data.path(),
                    QStringLiteral("--order"), order});
    }
    QStringList exportedLines(const QString& order = QStringLiteral("stored")) {
        const CommandResult r = exportCsv(order);
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return r.lines();
    }

    TempFolder work;
    TempFolder data;
};

const QString kThree = QStringLiteral(
    "NFORM,DATAV,S2,COMMENT\n"
    "3,15.07.2024,\"ООО «Ромашка», г. Тула\",\n"
    "1,01.02.2023,ИП Ёлкин,Образец\n"
    "0,,Без номера,Испорчено\n");

}  // namespace

TEST_F(CommandLine, ImportThenExportKeepsEveryValueAndPrimesTheRest) {
    const CommandResult imported = import(kThree);
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    const QStringList lines = exportedLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(
        lines[0].startsWith(QStringLiteral("NLIC,CHEK,COMMENT,OPIS,NFORM,DAY,MES,GOD,DATAV,Z1")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(",P1,P2,P3,P4")));
    // Blank status in the file stays blank; missing columns get start values.
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(",,,,3,,,,15.07.2024,")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\"ООО «Ромашка», г. Тула\"")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral(",,Образец,,1,,,,01.02.2023,")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral(",,Испорчено,,,,,,,")));
}

TEST_F(CommandLine, UnnamedColumnsTakeThePrimedStatus) {
    ASSERT_EQ(import(QStringLiteral("NFORM\n5\n")).code, 0);
    EXPECT_TRUE(exportedLines()[1].startsWith(QStringLiteral(",,Выдано,,5,")));
}

TEST_F(CommandLine, OrdersFollowTheNumberAndDateKeys) {
    ASSERT_EQ(import(kThree).code, 0);
    auto numbers = [](const QStringList& lines) {
        QStringList n;
        for (const QString& l : lines.mid(1))
            n << l.section(u',', 4, 4);
        return n;
    };
    EXPECT_EQ(numbers(exportedLines(QStringLiteral("stored"))),
              (QStringList{QStringLiteral("3"), QStringLiteral("1"), QString()}));
    EXPECT_EQ(numbers(exportedLines(QStringLiteral("number"))),
              (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(numbers(exportedLines(QStringLiteral("date"))),
              (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
}

TEST_F(CommandLine, ExportToAFile) {
    ASSERT_EQ(import(kThree).code, 0);
    const QString file = work.file(QStringLiteral("out.csv"));
    const CommandResult r =
        run({QStringLiteral("export"), QStringLiteral("--data"), data.path(), file});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(file), exportCsv().out);
}

TEST_F(CommandLine, ImportIsAllOrNothingAndNamesLineAndField) {
    ASSERT_EQ(import(QStringLiteral("NFORM\n7\n")).code, 0);
    struct Case {
        const char* csv;
        const char* mentions;
    };
    const Case cases[] = {
        {"NFORM,WHAT\n1,2\n", "WHAT"},
        {"NFORM,DATAV\n1,01.01.2024\n2,31.02.2024\n", "строка 3"},
        {"NFORM,DATAV\n1,01.01.2024\n2,31.02.2024\n", "DATAV"},
        {"NFORM\n1\nabc\n", "NFORM"},
        {"NFORM\n1234567890\n", "не помещается"},
        {"NFORM,MES\n1,сентябрьский\n", "MES"},
        {"NFORM,S2\n1,Café\n", "«é» нельзя сохранить в кодировке cp1251"},
        {"NFORM,S2\n1,Кафе 😀\n", "«😀» нельзя сохранить в кодировке cp1251"},
        {"NFORM,S2\n1,\"две\nстроки\"\n", "перевод строки"},
        {"NFORM\n-5\n", "отрицательное"},
        {"NFORM,CHEK\n1,2\n", "0 или 1"},
        {"NFORM,S2\n1,\"open\n", "кавычка"},
        {"NFORM,NFORM\n1,2\n", "дважды"},
        {"NFORM,S2\n1\n", "строка 2"},
    };
    for (const Case& c : cases) {
        const CommandResult r = import(QString::fromUtf8(c.csv));
        EXPECT_NE(r.code, 0) << c.csv;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.mentions))) << r.err.toStdString();
        EXPECT_EQ(exportedLines().size(), 2) << c.csv;  // still only the first certificate
    }
}

// Spreadsheets on Russian Windows save CSV in Windows-1251.
TEST_F(CommandLine, ImportTakesAFileInWindows1251) {
    QFile file(work.file(QStringLiteral("cp1251.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Cp1251::encode(QStringLiteral("NFORM,S2\n4,ООО «Ёлка»\n")).value());
    file.close();
    const CommandResult r =
        run({QStringLiteral("import"), QStringLiteral("--data"), data.path(), file.fileName()});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(exportedLines()[1].contains(QStringLiteral("ООО «Ёлка»")));
}

TEST_F(CommandLine, ImportCreatesTheCertificateFile) {
    EXPECT_FALSE(QFile::exists(data.file(QStringLiteral("forma3.dat"))));
    ASSERT_EQ(import(QStringLiteral("NFORM\n1\n")).code, 0);
    EXPECT_TRUE(QFile::exists(data.file(QStringLiteral("forma3.dat"))));
    EXPECT_FALSE(QFile::exists(data.file(QStringLiteral("licenziy.dat"))));
}

TEST_F(CommandLine, UsageErrorsAreClearAndChangeNothing) {
    struct Case {
        QStringList args;
        const char* mentions;
    };
    const QString missing = work.file(QStringLiteral("nowhere"));
    const Case cases[] = {
        {{}, "Использование"},
        {{QStringLiteral("frobnicate")}, "Неизвестная команда"},
        {{QStringLiteral("export")}, "--data"},
        {{QStringLiteral("export"), QStringLiteral("--data"), missing}, "не найдена"},
        {{QStringLiteral("export"), QStringLiteral("--data"), data.path()}, "forma3.dat"},
        {{QStringLiteral("export"), QStringLiteral("--data"), data.path(),
          QStringLiteral("--order"), QStringLiteral("size")},
         "size"},
        {{QStringLiteral("import"), QStringLiteral("--data"), data.path()}, "CSV"},
        {{QStringLiteral("import"), QStringLiteral("--data"), data.path(), missing}, "nowhere"},
        {{QStringLiteral("export"), QStringLiteral("--bogus")}, "bogus"},
    };
    for (const Case& c : cases) {
        const CommandResult r = run(c.args);
        EXPECT_NE(r.code, 0) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.mentions)))
            << c.args.join(u' ').toStdString() << ": " << r.err.toStdString();
    }
    EXPECT_TRUE(QDir(data.path()).isEmpty());
}

TEST_F(CommandLine, EveryCommandHasHelp) {
    for (const char* command : {"import", "export", "check"}) {
        const CommandResult r = run({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(r.code, 0) << command;
        EXPECT_TRUE(r.out.contains(QStringLiteral("vetdocs ") + QString::fromLatin1(command)))
            << command;
    }
}

TEST_F(CommandLine, CheckCountsEveryExistingTableAndCreatesNothing) {
    ASSERT_EQ(import(kThree).code, 0);
    const CommandResult r = run({QStringLiteral("check"), QStringLiteral("--data"), data.path()});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("forma3.dat: записей 3"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("LAST.DAT: нет файла"))) << r.out.toStdString();
    EXPECT_FALSE(QFile::exists(work.file(QStringLiteral("LAST.DAT"))));
}

TEST_F(CommandLine, ForeignCertificateFileIsRefusedAndLeftAlone) {
    const QString path = data.file(QStringLiteral("forma3.dat"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("not a table");
    }
    const CommandResult r = import(QStringLiteral("NFORM\n1\n"));
    EXPECT_NE(r.code, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("File Access Error"))) << r.err.toStdString();
    EXPECT_EQ(readFile(path), QStringLiteral("not a table"));
}
