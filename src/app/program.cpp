#include "app/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "app/command_line.h"
#include "app/global_options.h"
#include "app/main_frame.h"
#include "app/procedures.h"
#include "app/tooltip_time.h"
#include "runtime/ui/help.h"
#include "runtime/ui/procedure_window.h"
#include "runtime/ui/settings_file.h"

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// Commands need no display: they draw their pages offscreen.
int runHeadless(int argc, char** argv, const QStringList& args) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandIo io{out, err};
    return runCommandLine(args, io);
}

// The standard dialogs (printer, files, message box buttons) in Russian.
void installRussianTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

void reportSettingsProblem() {
    if (const QString problem = SettingsFile::instance().problem(); !problem.isEmpty())
        QTextStream(stderr) << problem << "\n";
}

int runWindows(int argc, char** argv, const QStringList& args) {
    QApplication app(argc, argv);
    QApplication::setFont(windowFont(QStringLiteral("Arial CYR"), 8));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vetdocs.png")));
    installRussianTranslations(app);
    qsizetype next = 0;
    if (const auto error = applyGlobalOptions(args, next)) {
        QTextStream(stderr) << error->message << "\n";
        QMessageBox::critical(nullptr, MainFrame::kTitle, error->message);
        return error->exitCode;
    }
    keepTooltipsFor(kTooltipMs);
    Help::installF1();
    registerAllProcedures();

    MainFrame frame;
    frame.show();
    // The user makes a data folder active first.
    QTimer::singleShot(0, &frame, [] { startProcedure(QStringLiteral("BrowseBD")); });
    const int code = app.exec();
    SettingsFile::instance().sync();
    reportSettingsProblem();
    return code;
}

}  // namespace

int runProgram(int argc, char** argv) {
    Q_INIT_RESOURCE(resources);
    const QStringList args = argumentsOf(argc, argv);
    return isCommandLine(args) ? runHeadless(argc, argv, args) : runWindows(argc, argv, args);
}
