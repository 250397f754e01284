#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMessageBox>

#include "data/shared_values.h"
#include "print/print_procedures.h"
#include "print_fixture.h"
#include "runtime/report/progress_window.h"
#include "runtime/report/report_preview.h"
#include "runtime/ui/settings_file.h"

namespace {

template <typename T>
QList<T*> openWindows() {
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible())
            found.append(window);
    return found;
}

struct ProcedureCase {
    const char* name;
    void (*start)();
    const char* firstText;  // the first value of its layout
    QPointF firstAt;        // where the standard profile and the shift 5, -3 put it
    const char* blank;      // the picture shown under the page
};

void PrintTo(const ProcedureCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintProcedure : public PrintWindowsFixture,
                       public ::testing::WithParamInterface<ProcedureCase> {};

TEST_P(PrintProcedure, ShowsThePagesOfTheNumberAndShiftTakenAtItsStartOverTheBlank) {
    addCertificate(7, {}, "seven");
    addCertificate(8, {}, "eight");
    nform.set(7);
    AX.set(5);
    AY.set(-3);
    GetParam().start();
    // The register moves on before the print has read anything.
    nform.set(8);
    AX.set(0);
    AY.set(0);
    ASSERT_EQ(openWindows<ProgressWindow>().size(), 1);
    ASSERT_TRUE(waitFor([] { return !openWindows<ReportPreview>().isEmpty(); }));
    EXPECT_TRUE(openWindows<ProgressWindow>().isEmpty());

    const ReportDocument& document = openWindows<ReportPreview>().front()->document();
    EXPECT_EQ(document.title, QStringLiteral("forma3 Report"));
    ASSERT_EQ(document.pages.size(), 1u);
    const Page& page = document.pages.front();
    EXPECT_EQ(page.underlay, QImage(QLatin1String(GetParam().blank)));
    const auto& first = std::get<TextItem>(page.items.front());
    EXPECT_EQ(first.text, QString::fromLatin1(GetParam().firstText));
    EXPECT_EQ(first.rect.topLeft(), GetParam().firstAt);
}

TEST_P(PrintProcedure, KeepsItsWindowsPlacesUnderItsName) {
    addCertificate(7);
    nform.set(7);
    GetParam().start();
    ASSERT_TRUE(waitFor([] { return !openWindows<ReportPreview>().isEmpty(); }));
    openWindows<ReportPreview>().front()->close();
    QApplication::processEvents();
    const QString section = QString::fromLatin1(GetParam().name);
    SettingsFile& settings = SettingsFile::instance();
    EXPECT_TRUE(settings.value(section, QStringLiteral("X")).isValid());
    EXPECT_TRUE(
        settings.value(section + QStringLiteral("/Preview"), QStringLiteral("Width")).isValid());
}

TEST_P(PrintProcedure, NoCertificateWithTheNumberGivesTheNoRecordsNoticeAndNoPreview) {
    addCertificate(7);
    nform.set(9);
    GetParam().start();
    ASSERT_TRUE(waitFor([] { return !openWindows<QMessageBox>().isEmpty(); }));
    EXPECT_EQ(openWindows<QMessageBox>().front()->windowTitle(), QStringLiteral("No Records"));
    EXPECT_TRUE(openWindows<ReportPreview>().isEmpty());
}

TEST_P(PrintProcedure, WithoutADataFolderSaysSoAndPrintsNothing) {
    addCertificate(7);
    nform.set(7);
    DataFolder::activate({});
    GetParam().start();
    ASSERT_TRUE(waitFor([] { return !openWindows<QMessageBox>().isEmpty(); }));
    EXPECT_EQ(openWindows<QMessageBox>().front()->windowTitle(),
              QStringLiteral("БД не подключена"));
    EXPECT_TRUE(openWindows<ProgressWindow>().isEmpty());
    EXPECT_TRUE(openWindows<ReportPreview>().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Sides, PrintProcedure,
    ::testing::Values(
        ProcedureCase{"Print_F2", Print_F2, "seven", {29, 26}, ":/pictures/Forma2F_print.jpg"},
        ProcedureCase{"Print_F23", Print_F23, "seven", {29, 26}, ":/pictures/Forma2K_print.jpg"},
        ProcedureCase{"Print_F22", Print_F22, "S20", {33, 72}, ":/pictures/Forma2_2F_print.jpg"}));

}  // namespace
