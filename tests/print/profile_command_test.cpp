#include <gtest/gtest.h>

#include <QFile>

#include "data/standard_profile.h"
#include "print_fixture.h"
#include "support/command_runner.h"

namespace {

class ProfileCommand : public PrintFixture {
protected:
    CommandResult run(const QStringList& args) {
        return runCommand(work.path(), QStringList{QStringLiteral("profile")} + args);
    }
    QString writeFile(const QString& text) {
        QFile file(work.file(QStringLiteral("profile.txt")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return file.fileName();
    }
    CommandResult import(const QString& text) {
        return run({QStringLiteral("import"), writeFile(text)});
    }
    QByteArray storedProfile() {
        EXPECT_TRUE(Profile::readActive(profiles()));
        return profiles().record().image();
    }
};

TEST_F(ProfileCommand, ExportWritesEveryFieldOnALineOfItsOwn) {
    changeProfile([](RecordBuffer& p) {
        p.setNumber(LAS::AYS22, -3.5);
        p.setInteger(LAS::FONTCOLOR, 255);
    });
    const CommandResult r = run({QStringLiteral("export")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.lines();
    ASSERT_EQ(lines.size(), LAS::FieldCount);
    EXPECT_EQ(lines.first(), QStringLiteral("NFORM = 1"));
    EXPECT_EQ(lines[LAS::NAME], QStringLiteral("NAME = Стандартный лазерный принтер"));
    EXPECT_EQ(lines[LAS::AXZ1], QStringLiteral("AXZ1 = 24.0"));
    EXPECT_EQ(lines[LAS::AZS1], QStringLiteral("AZS1 = 153.0"));
    EXPECT_EQ(lines[LAS::AYS22], QStringLiteral("AYS22 = -3.5"));
    EXPECT_EQ(lines[LAS::AXZ5], QStringLiteral("AXZ5 = 0.0"));
    EXPECT_EQ(lines[LAS::TYPEFACE], QStringLiteral("TYPEFACE = Arial Cyr"));
    EXPECT_EQ(lines[LAS::FONTSIZE], QStringLiteral("FONTSIZE = 10"));
    EXPECT_EQ(lines[LAS::FONTCOLOR], QStringLiteral("FONTCOLOR = 255"));
    EXPECT_EQ(lines.last(), QStringLiteral("CHARSET = 204"));
}

TEST_F(ProfileCommand, AnExportedProfileImportsBackUnchanged) {
    const QString file = work.file(QStringLiteral("saved.txt"));
    changeProfile([](RecordBuffer& p) {
        p.setNumber(LAS::AXS223, 86.7);
        p.setText(LAS::NAME, u"Принтер в кабинете 5");
        p.setInteger(LAS::FONTSTYLE, 700 + 0x1000);
    });
    const QByteArray calibrated = storedProfile();
    ASSERT_EQ(run({QStringLiteral("export"), file}).code, 0);
    changeProfile([](RecordBuffer& p) { p.setImage(standardProfile()); });
    const CommandResult r = run({QStringLiteral("import"), file});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(storedProfile(), calibrated);
}

TEST_F(ProfileCommand, ImportSetsTheNamedFieldsAndLeavesTheRest) {
    const QByteArray before = storedProfile();
    const CommandResult r =
        import(QStringLiteral("# after the new printer\n"
                              "AXZ1 = 25.5\r\n"
                              "\n"
                              "  ayS22=84,1  \n"
                              "TYPEFACE = Times New Roman Cyr\n"
                              "FONTSIZE = 11\n"
                              "NFORM = 1\n"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    ASSERT_TRUE(Profile::readActive(profiles()));
    RecordBuffer expected(LAS::layout());
    expected.setImage(before);
    expected.setNumber(LAS::AXZ1, 25.5);
    expected.setNumber(LAS::AYS22, 84.1);
    expected.setText(LAS::TYPEFACE, u"Times New Roman Cyr");
    expected.setInteger(LAS::FONTSIZE, 11);
    EXPECT_EQ(profiles().record(), expected);
}

TEST_F(ProfileCommand, ImportIntoAnEmptyTableCreatesProfileOne) {
    removeEveryProfile();
    const CommandResult r = import(QStringLiteral("AXS2 = 30.0\nNAME = Матричный\n"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    ASSERT_TRUE(Profile::readActive(profiles()));
    const RecordBuffer& p = profiles().record();
    EXPECT_EQ(p.integer(LAS::NFORM), 1);
    EXPECT_EQ(p.text(LAS::NAME), QStringLiteral("Матричный"));
    EXPECT_DOUBLE_EQ(p.number(LAS::AXS2), 30.0);
    // The rest as a new table starts.
    EXPECT_DOUBLE_EQ(p.number(LAS::AXZ1), 24.0);
    EXPECT_EQ(p.integer(LAS::FONTSIZE), 10);
    EXPECT_EQ(profiles().count(), 1);
}

TEST_F(ProfileCommand, ExportOfAnEmptyTableSaysSo) {
    removeEveryProfile();
    const CommandResult r = run({QStringLiteral("export")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("нет ни одной настройки"))) << r.err.toStdString();
}

struct BadLine {
    const char* label;
    const char* text;
    const char* message;
};

void PrintTo(const BadLine& c, std::ostream* os) {
    *os << c.label;
}

class ProfileImportFaults : public ProfileCommand, public ::testing::WithParamInterface<BadLine> {};

TEST_P(ProfileImportFaults, NameTheLineAndChangeNothing) {
    const QByteArray before = storedProfile();
    const CommandResult r =
        import(QStringLiteral("AXS2 = 30.0\n") + QString::fromUtf8(GetParam().text) +
               QStringLiteral("\nAYS2 = 70.0\n"));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(
        r.err.contains(QStringLiteral("Строка 2: ") + QString::fromUtf8(GetParam().message)))
        << r.err.toStdString();
    EXPECT_EQ(storedProfile(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProfileImportFaults,
    ::testing::Values(
        BadLine{"UnknownName", "AXZ99 = 10.0", "нет поля настройки «AXZ99»"},
        BadLine{"PrefixedName", "LAS:AXZ1 = 10.0", "нет поля настройки «LAS:AXZ1»"},
        BadLine{"NoEquals", "AXZ1 24.0", "нужно ИМЯ = значение"},
        BadLine{"HeaderLineOffTheBand", "AXZ1 = 100.1",
                "AXZ1: значение вне допустимых пределов (от 5.0 до 100.0)"},
        BadLine{"PositionBeyondTheField", "AYS5 = -1000000",
                "AYS5: значение вне допустимых пределов"},
        BadLine{"FinerThanATenth", "AXS3 = 42.05", "AXS3: нужно число миллиметров"},
        BadLine{"PositionNotANumber", "AXS3 = сорок", "AXS3: нужно число миллиметров"},
        BadLine{"SizeNotANumber", "FONTSIZE = 10.5", "FONTSIZE: нужно целое число"},
        BadLine{"SizeZero", "FONTSIZE = 0", "FONTSIZE: значение вне допустимых пределов"},
        BadLine{"ColourBeyondRgb", "FONTCOLOR = 16777216", "FONTCOLOR: значение вне"},
        BadLine{"NameTooLong", "NAME = Лазерный принтер в кабинете № 12",
                "NAME: текст длиннее 30 знаков"},
        BadLine{"TypefaceOutsideCp1251", "TYPEFACE = Noto 😀", "TYPEFACE: текст содержит знаки"},
        BadLine{"SameFieldTwice", "axs2 = 31.0", "поле AXS2 уже задано в строке 1"},
        BadLine{"AnotherProfileNumber", "NFORM = 2", "NFORM: номер настройки не меняется"}));

TEST_F(ProfileCommand, ImportNeedsAReadableFile) {
    CommandResult r = run({QStringLiteral("import")});
    EXPECT_EQ(r.code, 2);
    r = run({QStringLiteral("import"), work.file(QStringLiteral("missing.txt"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Не удалось открыть файл"))) << r.err.toStdString();
    QFile latin1(work.file(QStringLiteral("latin1.txt")));
    ASSERT_TRUE(latin1.open(QIODevice::WriteOnly));
    latin1.write("NAME = \xC0\xE1\n");
    latin1.close();
    r = run({QStringLiteral("import"), latin1.fileName()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("UTF-8"))) << r.err.toStdString();
    r = run({QStringLiteral("reset")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("export или import"))) << r.err.toStdString();
}

}  // namespace
