#pragma once

#include <QString>

#include "runtime/core/record_buffer.h"
#include "runtime/storage/table_def.h"

// Realistic certificates for the benchmarks, and a data folder holding many
// of them that is built once and kept for later runs.
namespace BenchSupport {

// Fills a primed FORMA3 record as an office fills certificates: number
// 1000 + index, issue dates rising over five years from 2019 (about 55 a
// day), recipients, products, addresses and routes in Russian, mostly
// "Выдано". The same index always gives the same certificate.
void fillCertificate(RecordBuffer& record, int index);

// The certificate table's definition with its file at path.
TableDef forma3At(const QString& path);

// A data folder (ending in "/") whose forma3.dat holds count certificates
// made by fillCertificate, under /tmp/vetdocs-bench/. Built on first use;
// treat it as read-only and copy it to change it.
QString certificateFolder(int count);

// What the measured code needs of Qt: a GUI application for fonts and PDF
// writing, or a widget application, with the program's pictures and icons,
// for windows. Either runs on the offscreen platform, without a display.
enum class QtNeed { Gui, Widgets };

// The main() of a benchmark program.
int runBenchmarks(int argc, char** argv, QtNeed need);

}  // namespace BenchSupport
