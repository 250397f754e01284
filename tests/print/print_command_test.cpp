#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "print_fixture.h"
#include "support/command_runner.h"

namespace {

// A word of a PDF as pdftotext -bbox reports it, in millimetres.
struct Word {
    QString text;
    QRectF box;
};

constexpr double kMmPerPoint = 25.4 / 72;

class PrintCommand : public PrintFixture {
protected:
    CommandResult run(const QStringList& args) {
        return runCommand(
            work.path(),
            QStringList{QStringLiteral("print"), QStringLiteral("--data"), data.path()} + args);
    }

    QString pdf() const { return work.file(QStringLiteral("out.pdf")); }

    std::vector<Word> wordsOf(const QString& file) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-bbox"), file, QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished());
        static const QRegularExpression word(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                           "yMax=\"([\\d.]+)\">([^<]*)</word>"));
        std::vector<Word> words;
        const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const auto& m : word.globalMatch(html)) {
            const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
            words.push_back(
                {m.captured(5), QRectF(topLeft * kMmPerPoint, bottomRight * kMmPerPoint)});
        }
        return words;
    }
    QRectF boxOf(const std::vector<Word>& words, const QString& text) {
        for (const Word& w : words)
            if (w.text == text) return w.box;
        ADD_FAILURE() << text.toStdString() << " is not in the PDF";
        return {};
    }
};

// Where pdftotext finds a printed word: the profile's place plus the shift.
struct PdfCase {
    const char* side;
    const char* word;
    bool centred;  // x is then the text's centre, else its left edge
    double x;
    double top;
};

TEST_F(PrintCommand, ThePdfHasEveryValueAtTheProfilePlacePlusTheShift) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    addCertificate(7);
    // The standard profile, moved 5 mm right and 3 mm up.
    const PdfCase cases[] = {
        {"certificate", "Z1", false, 24 + 5, 29 - 3},
        {"certificate", "Z4", false, 24 + 5, 48 - 3},
        {"certificate", "05", false, 131 + 5, 62 - 3},  // the day, as wide as itself
        {"certificate", "S3", false, 42 + 5, 82 - 3},
        // Marking in the box of the packaging pair, 49 wide, and the other way round.
        {"certificate", "MK", true, 143 + 5 + 49 / 2.0, 96 - 3},
        {"certificate", "UP", true, 97 + 5 + 48 / 2.0, 96 - 3},
        {"certificate", "P4", true, 111 + 5 + 89 / 2.0, 257 - 3},
        {"counterfoil", "P2", true, 26 + 5 + 66 / 2.0, 257 - 3},
        {"counterfoil", "P4", true, 111 + 5 + 88 / 2.0, 257 - 3},
        {"back", "S20", false, 28 + 5, 75 - 3},
        {"back", "S223", false, 85 + 5, 83 - 3},
        {"back", "S256", false, 134 + 5, 95 - 3},
    };
    for (const char* side : {"certificate", "counterfoil", "back"}) {
        const CommandResult r =
            run({QStringLiteral("--number"), QStringLiteral("7"), QStringLiteral("--side"),
                 QString::fromLatin1(side), QStringLiteral("--shift=5,-3"), QStringLiteral("--pdf"),
                 pdf()});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const auto words = wordsOf(pdf());
        for (const PdfCase& c : cases) {
            if (qstrcmp(c.side, side) != 0) continue;
            SCOPED_TRACE(std::string(side) + " " + c.word);
            const QRectF box = boxOf(words, QString::fromLatin1(c.word));
            EXPECT_NEAR(c.centred ? box.center().x() : box.left(), c.x, 0.05);
            EXPECT_NEAR(box.top(), c.top, 0.05);
        }
    }
}

TEST_F(PrintCommand, OnlyTheCounterfoilCarriesTheReceiversLines) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    addCertificate(7);
    for (const char* side : {"certificate", "counterfoil"}) {
        ASSERT_EQ(run({QStringLiteral("--number=7"), QStringLiteral("--side"),
                       QString::fromLatin1(side), QStringLiteral("--pdf"), pdf()})
                      .code,
                  0);
        QStringList words;
        for (const Word& w : wordsOf(pdf()))
            words.append(w.text);
        const bool counterfoil = qstrcmp(side, "counterfoil") == 0;
        EXPECT_EQ(words.size(), counterfoil ? 42 : 40) << side;
        EXPECT_EQ(words.contains(QStringLiteral("P1")), counterfoil) << side;
        EXPECT_EQ(words.contains(QStringLiteral("P2")), counterfoil) << side;
    }
}

struct ErrorCase {
    const char* label;
    QStringList args;  // --pdf out.pdf is added
    int code;
    const char* message;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.label;
}

class PrintCommandErrors : public PrintCommand, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(PrintCommandErrors, SayWhatIsWrongAndWriteNoFile) {
    addCertificate(7);
    const CommandResult r = run(GetParam().args + QStringList{QStringLiteral("--pdf"), pdf()});
    EXPECT_EQ(r.code, GetParam().code);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(GetParam().message))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintCommandErrors,
    ::testing::Values(
        ErrorCase{"NoSuchNumber", {"--number", "9"}, 1, "Свидетельства № 9 нет"},
        ErrorCase{"NumberZero", {"--number", "0"}, 2, "нужно целое число от 1"},
        ErrorCase{"NumberNotANumber", {"--number", "7a"}, 2, "нужно целое число от 1"},
        ErrorCase{"NoNumber", {}, 2, "--number"},
        ErrorCase{
            "UnknownSide", {"--number", "7", "--side", "front"}, 2, "Неизвестная сторона «front»"},
        ErrorCase{"ShiftBeyondTheLimit", {"--number", "7", "--shift=51,0"}, 2, "от -50 до 50"},
        ErrorCase{"ShiftBelowTheLimit", {"--number", "7", "--shift", "0,-51"}, 2, "от -50 до 50"},
        ErrorCase{"ShiftWithOneNumber", {"--number", "7", "--shift", "5"}, 2, "Сдвиг «5»"},
        ErrorCase{"ShiftInFractions", {"--number", "7", "--shift", "0.5,1"}, 2, "целых"},
        ErrorCase{"ExtraWord", {"--number", "7", "лишнее"}, 2, "Лишние параметры"}));

TEST_F(PrintCommand, NeedsAFileToWriteAndAFolderWithCertificates) {
    addCertificate(7);
    CommandResult r = run({QStringLiteral("--number"), QStringLiteral("7")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--pdf"))) << r.err.toStdString();

    const QString nowhere = work.file(QStringLiteral("missing/out.pdf"));
    r = run({QStringLiteral("--number"), QStringLiteral("7"), QStringLiteral("--pdf"), nowhere});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Не удалось записать файл"))) << r.err.toStdString();

    r = runCommand(work.path(), {QStringLiteral("print"), QStringLiteral("--data"), work.path(),
                                 QStringLiteral("--number"), QStringLiteral("7"),
                                 QStringLiteral("--pdf"), pdf()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("forma3.dat"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf()));
}

}  // namespace
