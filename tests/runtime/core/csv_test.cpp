#include <gtest/gtest.h>

#include "runtime/core/csv.h"

TEST(Csv, FormatQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(Csv::formatRow({QStringLiteral("a"), QStringLiteral("b,c"), QStringLiteral("say \"hi\""),
                              QStringLiteral("two\nlines"), QString()}),
              QStringLiteral("a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\",\n"));
}

TEST(Csv, ParseGivesBackWhatFormatWrote) {
    const QStringList fields = {QStringLiteral("ООО «Ромашка», г. Тула"), QStringLiteral("\"x\""),
                                QString(), QStringLiteral("line1\nline2"), QStringLiteral(" pad ")};
    const QString text = Csv::formatRow({QStringLiteral("h1"), QStringLiteral("h2")}) + Csv::formatRow(fields);
    const auto rows = Csv::parse(text);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[1].fields, fields);
    EXPECT_EQ((*rows)[1].line, 2);
}

TEST(Csv, LineNumbersCountLineBreaksInsideQuotesAndSkipEmptyLines) {
    const auto rows = Csv::parse(u"a,b\r\n\"1\n2\",x\n\nlast,row\n");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[2].line, 5);
    EXPECT_EQ((*rows)[2].fields, (QStringList{QStringLiteral("last"), QStringLiteral("row")}));
}

TEST(Csv, OpenQuoteIsAnErrorWithItsLine) {
    Csv::ParseError error;
    EXPECT_FALSE(Csv::parse(u"a,b\n1,\"unclosed\n", &error));
    EXPECT_EQ(error.line, 2);
}
