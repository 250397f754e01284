#include <gtest/gtest.h>

#include <QFile>

#include "data/data_folder.h"
#include "support/command_runner.h"
#include "support/temp_folder.h"

using namespace Qt::StringLiterals;

namespace {

// vetdocs export --filter / --fuzzy over a folder of five certificates.
class RegisterExport : public ::testing::Test {
protected:
    void SetUp() override {
        QFile csv(work.file(u"in.csv"_s));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write(
            u"NFORM,DATAV,S2,S14\n"
            "3,15.07.2024,ООО «Ромашка»,г. Тула\n"
            "1,01.02.2023,ИП Ёлкин,г. Краснодар\n"
            "0,,ООО «Ромашка» (испорчен),\n"
            "5,16.07.2024,АО «Рассвет»,г. Краснодар\n"
            "2,15.07.2024,ООО «Ромашка»,г. Сочи\n"_s.toUtf8());
        csv.close();
        ASSERT_EQ(run({u"import"_s, u"--data"_s, data.path(), csv.fileName()}).code, 0);
    }
    void TearDown() override {
        DataFolder::setWorkFolder({});
        DataFolder::activate({});
    }

    CommandResult run(const QStringList& args) { return runCommand(work.path(), args); }
    CommandResult exportWith(const QStringList& options) {
        return run(QStringList{u"export"_s, u"--data"_s, data.path()} + options);
    }
    // The NFORM column of the rows after the header.
    static QStringList numbers(const CommandResult& result) {
        QStringList n;
        for (const QString& line : result.lines().mid(1))
            n.push_back(line.section(u',', 4, 4));
        return n;
    }

    TempFolder work;
    TempFolder data;
};

TEST_F(RegisterExport, FilterKeepsTheCertificatesItAcceptsInTheChosenOrder) {
    const CommandResult r = exportWith(
        {u"--order"_s, u"number"_s, u"--filter"_s, u"INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1)"_s});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(numbers(r), (QStringList{u"2"_s, u"3"_s}));
    const CommandResult stored = exportWith({u"--filter"_s, u"fr3:datav >= 81649"_s});
    EXPECT_EQ(numbers(stored), (QStringList{u"3"_s, u"5"_s, u"2"_s}));
}

TEST_F(RegisterExport, FuzzyListsEveryCertificateBestMatchFirst) {
    const CommandResult r = exportWith({u"--fuzzy"_s, u"ромашко"_s});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    // The three Ромашка certificates score alike: in number order, 0 first.
    EXPECT_EQ(numbers(r).size(), 5);
    EXPECT_EQ(numbers(r).mid(0, 3), (QStringList{u""_s, u"2"_s, u"3"_s}));
    const CommandResult filtered =
        exportWith({u"--fuzzy"_s, u"краснодар"_s, u"--filter"_s, u"FR3:Nform > 0"_s});
    EXPECT_EQ(numbers(filtered).size(), 4);
    EXPECT_EQ(numbers(filtered).mid(0, 2), (QStringList{u"1"_s, u"5"_s}));
}

TEST_F(RegisterExport, AWrongFilterSaysWhereAndExportsNothing) {
    const CommandResult r = exportWith({u"--filter"_s, u"FR3:Nform = = 2"_s});
    EXPECT_NE(r.code, 0);
    EXPECT_TRUE(r.lines().isEmpty());
    EXPECT_TRUE(r.err.contains(u"Ошибка в выражении, позиция 13"_s)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"FR3:Nform = = 2\n              ^"_s)) << r.err.toStdString();
}

TEST_F(RegisterExport, MisusedOptionsAreRefused) {
    const struct {
        QStringList options;
        const char16_t* message;
    } cases[] = {
        {{u"--fuzzy"_s, u"  "_s}, u"Пустой текст поиска"},
        {{u"--fuzzy"_s, u"Тула"_s, u"--order"_s, u"date"_s}, u"--order с ним не указывают"},
        {{u"--filter"_s, u"UPPER(FR3:nosuch) = 1"_s}, u"Ошибка в выражении"},
    };
    for (const auto& c : cases) {
        const CommandResult r = exportWith(c.options);
        EXPECT_EQ(r.code, 2) << c.options.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf16(c.message))) << r.err.toStdString();
    }
}

}  // namespace
