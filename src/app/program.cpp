#include "app/program.h"

#include <QApplication>

int runProgram(int argc, char** argv) {
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    return 0;
}
