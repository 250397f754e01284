#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <future>
#include <random>
#include <string>
#include <vector>

#include "runtime/expr/fuzzy_matcher.h"

namespace {

int score(const char* query, const char* text) {
    return FuzzyMatcher::score(QString::fromUtf8(query), QString::fromUtf8(text));
}

// The fewest insertions, deletions, substitutions and swaps of neighbours
// that turn the word into some part of the text, by the full table.
int referenceEdits(const std::string& word, const std::string& text) {
    const size_t m = word.size();
    const size_t n = text.size();
    std::vector<std::vector<int>> d(m + 1, std::vector<int>(n + 1, 0));
    for (size_t i = 0; i <= m; ++i)
        d[i][0] = static_cast<int>(i);
    for (size_t i = 1; i <= m; ++i) {
        for (size_t j = 1; j <= n; ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (word[i - 1] == text[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && word[i - 1] == text[j - 2] && word[i - 2] == text[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    int best = static_cast<int>(m);
    for (size_t j = 0; j <= n; ++j)
        best = std::min(best, d[m][j]);
    return best;
}

}  // namespace

TEST(FuzzyMatcher, QueryStandingInTheTextScoresFullIgnoringCaseAndWordBounds) {
    const struct {
        const char* query;
        const char* text;
    } cases[] = {
        {"ромашка", "ООО РОМАШКА, г. Краснодар"},
        {"ООО Ромашка", "ооо \"ромашка\""},  // punctuation between words counts as a blank
        {"ромаш", "ООО РОМАШКА"},            // part of a word
        {"комплекс", "ЗАО Агрокомплекс"},
        {"ёлка", "ООО ЕЛКА"},
        {"Ivanov", "ip IVANOV"},
        {"12345", "12345 81649 Мясо"},
        {"ромашка   краснодар", "Ромашка          Краснодар"},  // padding between fields
    };
    for (const auto& c : cases)
        EXPECT_EQ(score(c.query, c.text), 100) << c.query;
}

TEST(FuzzyMatcher, TyposAndReorderedWordsScoreWellAboveUnrelatedText) {
    const char* unrelated = "123 81649 Мясо говяжье ИП Иванов И.И. г. Москва ул. Ленина";
    const struct {
        const char* query;
        const char* text;
    } close[] = {
        {"Ромашко", "ООО Ромашка, г. Краснодар"},                // a wrong letter
        {"агрокомплес", "ЗАО Агрокомплекс"},                     // a missing letter
        {"Ромшака", "ООО Ромашка"},                              // swapped neighbours
        {"Агрокомплексс", "ЗАО Агрокомплекс"},                   // an extra letter
        {"Рамашко", "ООО Ромашка"},                              // two wrong letters
        {"Кубань Агрокомплекс", "ЗАО \"Агрокомплекс\" Кубань"},  // reordered words
        {"Кубань агрокомплес", "ЗАО Агрокомплекс Кубань"},
    };
    for (const auto& c : close) {
        const int s = score(c.query, c.text);
        EXPECT_GE(s, 60) << c.query;
        EXPECT_LT(s, 100) << c.query;
        EXPECT_GE(s, score(c.query, unrelated) + 30) << c.query;
    }
    EXPECT_EQ(score("Кубань Агрокомплекс", "Агрокомплекс Кубань"), 99);
    EXPECT_GT(score("Ромашко", "ООО Ромашка"), score("Рамашко", "ООО Ромашка"));
}

TEST(FuzzyMatcher, ScoresStayWithinBoundsAndBlankQueryMatchesNothing) {
    EXPECT_EQ(score("", "ООО Ромашка"), 0);
    EXPECT_EQ(score(" , . ", "ООО Ромашка"), 0);
    EXPECT_TRUE(FuzzyMatcher::PreparedQuery(u"  ").isEmpty());
    EXPECT_LE(score("Ромашка", ""), 40);
    const QString longWord(100, u'Я');
    EXPECT_EQ(FuzzyMatcher::score(longWord, longWord), 100);
    std::mt19937 random(7);
    const QString letters = QStringLiteral("абвгАБВ 1.");
    for (int i = 0; i < 300; ++i) {
        QString query, text;
        for (int k = random() % 12; k > 0; --k)
            query += letters[random() % letters.size()];
        for (int k = random() % 40; k > 0; --k)
            text += letters[random() % letters.size()];
        const int s = FuzzyMatcher::score(query, text);
        EXPECT_GE(s, 0);
        EXPECT_LE(s, 100);
    }
}

TEST(FuzzyMatcher, CountsEditsAsTheFullTableDoes) {
    // The score as documented, from each word's fewest edits by the full table.
    auto expectedScore = [](const std::vector<std::string>& words, const std::string& text) {
        std::string phrase;
        for (const std::string& word : words)
            phrase += (phrase.empty() ? "" : " ") + word;
        if (text.find(phrase) != std::string::npos) return 100;
        double sum = 0;
        double total = 0;
        for (const std::string& word : words) {
            const int length = static_cast<int>(word.size());
            const int edits = referenceEdits(word, text);
            const int allowance = length <= 3 ? 0 : length <= 5 ? 1 : 2;
            sum += length * (edits <= allowance ? 1.0 - 0.15 * edits
                                                : 0.5 * std::max(0, length - edits) / length);
            total += length;
        }
        return static_cast<int>(99.0 * (sum / total) + 0.5);
    };
    auto randomWord = [](std::mt19937& random, int least, int most) {
        std::string word;
        for (int k = least + static_cast<int>(random() % (most - least + 1)); k > 0; --k)
            word += "ABC"[random() % 3];
        return word;
    };
    std::mt19937 random(11);
    // One to nine words (every way of sharing the lanes), short and long texts
    // (stretches and their overlaps).
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::string> words(1 + random() % 9);
        std::string query;
        for (std::string& word : words) {
            word = randomWord(random, 1, 12);
            query += word;
            query += ' ';
        }
        const int textWords = static_cast<int>(random() % (i % 2 ? 4 : 40));
        std::string text;
        for (int k = 0; k < textWords; ++k) {
            if (k) text += ' ';
            text += randomWord(random, 1, 8);
        }
        ASSERT_EQ(FuzzyMatcher::PreparedQuery::fromCp1251(query).score(text),
                  expectedScore(words, text))
            << query << "in " << text;
    }
}

TEST(FuzzyMatcher, RanksAFixtureListBestFirst) {
    const QStringList register_ = {
        QStringLiteral("101 81649 Мясо ИП Иванов г. Москва"),
        QStringLiteral("102 81650 Молоко ООО Ромашка г. Краснодар"),
        QStringLiteral("103 81651 Сыр ООО Ромашкино г. Сочи"),
        QStringLiteral("104 81652 Мёд ЗАО Агрокомплекс Кубань ст. Выселки"),
        QStringLiteral("105 81653 Рыба ООО Рассвет г. Анапа"),
    };
    auto ranking = [&](QStringView query) {
        const FuzzyMatcher::PreparedQuery prepared(query);
        std::vector<int> order = {0, 1, 2, 3, 4};
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return prepared.score(register_[a]) > prepared.score(register_[b]);
        });
        return order;
    };
    EXPECT_EQ(ranking(u"ромашко").front(), 1);
    EXPECT_EQ(ranking(u"ромашкина").front(), 2);
    EXPECT_EQ(ranking(u"кубань агрокомплес").front(), 3);
    EXPECT_EQ(ranking(u"Рассвет Анапа").front(), 4);
    const std::vector<int> honey = ranking(u"мед агрокомплекс");
    EXPECT_EQ(honey.front(), 3);
}

TEST(FuzzyMatcher, OnePreparedQueryScoresTheSameOnManyThreads) {
    const FuzzyMatcher::PreparedQuery query(u"Ромашко Краснодар");
    const std::string text = "102 81650 \xcc\xee\xeb\xee\xea\xee \xd0\xee\xec\xe0\xf8\xea\xe0";
    const int expected = query.score(text);
    std::vector<std::future<bool>> runs;
    for (int t = 0; t < 4; ++t) {
        runs.push_back(std::async(std::launch::async, [&] {
            for (int i = 0; i < 2000; ++i)
                if (query.score(text) != expected) return false;
            return true;
        }));
    }
    for (auto& run : runs)
        EXPECT_TRUE(run.get());
}
