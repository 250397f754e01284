#include "app/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "app/command_line.h"

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
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

int runWindows(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}

}  // namespace

int runProgram(int argc, char** argv) {
    Q_INIT_RESOURCE(resources);
    const QStringList args = argumentsOf(argc, argv);
    return isCommandLine(args) ? runHeadless(argc, argv, args) : runWindows(argc, argv);
}
