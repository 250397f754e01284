// Checks the compiled resources as the program will see them:
//   check_resources [OVERLAY_DIR]
// Every picture and icon loads at its size, the back of the blank lines up
// with the form's cells and captions, and the help topics link up. With a
// folder given, also writes the back of the blank overlaid with the form's
// controls there, for looking at. Exits 0 when nothing is wrong.

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QTextStream>

#include "check/back_alignment.h"
#include "check/editor_alignment.h"
#include "check/help_links.h"
#include "check/print_alignment.h"

namespace {

struct Picture {
    const char* alias;
    QSize size;
};

constexpr Picture kPictures[] = {
    {":/pictures/Forma2F.jpg", {595, 842}},
    {":/pictures/Forma2F@2x.jpg", {1190, 1684}},
    {":/pictures/Forma2_2F.jpg", {628, 842}},
    {":/pictures/Forma2_2F@2x.jpg", {1256, 1684}},
    {":/pictures/Forma2_zast.jpg", {282, 333}},
    {":/pictures/L_g.jpg", {22, 842}},
    {":/pictures/L_v.jpg", {810, 27}},
    {":/pictures/fon_nnn.jpg", {14, 14}},
    {":/pictures/fon_b.jpg", {14, 14}},
    {":/pictures/Forma2F_print.jpg", {1240, 1754}},
    {":/pictures/Forma2K_print.jpg", {1240, 1754}},
    {":/pictures/Forma2_2F_print.jpg", {1240, 1754}},
    {":/pictures/Forma2_2F_nastr.jpg", {1380, 1232}},
};

// Every icon a window asks for by name.
constexpr const char* kIcons[] = {
    "vetdocs.png",   "adr1.ico",       "PRNFONT.ICO",    "EXIT.ICO",      "Sch-ord.ico",
    "PAPR.ICO",      "WAVCRFIRST.ICO", "WAVCRPRIOR.ICO", "WAVCRUP.ICO",   "WAFIND.ICO",
    "WAVCRDOWN.ICO", "WAVCRNEXT.ICO",  "WAVCRLAST.ICO",  "WAMARK.ICO",    "WAINSERT.ICO",
    "WACHANGE.ICO",  "WADELETE.ICO",   "WADITTO.ICO",    "WAVCRHELP.ICO", "FIND.ICO",
    "calendarn.ico", "d_plus.ico",     "d_edit.ico",     "d_minus.ico",   "QkQBE.ico",
    "QkLoad.ico",    "save.png",       "copy.png",       "paste.png",     "cut.png",
    "help.png",      "filter.png",
};

QStringList checkPictures() {
    QStringList faults;
    for (const Picture& picture : kPictures) {
        const QImage image(QString::fromLatin1(picture.alias));
        if (image.size() != picture.size) {
            faults << QStringLiteral("%1: %2 × %3 instead of %4 × %5")
                          .arg(QLatin1String(picture.alias))
                          .arg(image.width())
                          .arg(image.height())
                          .arg(picture.size.width())
                          .arg(picture.size.height());
        }
    }
    return faults;
}

QStringList checkIcons() {
    QStringList faults;
    for (const char* name : kIcons) {
        const QString alias = QStringLiteral(":/icons/") + QLatin1String(name);
        const QImage image(alias);
        if (image.size() != QSize(32, 32) || QIcon(alias).pixmap(16, 16).isNull()) {
            faults << alias + QStringLiteral(": missing or not 32 × 32");
        }
    }
    return faults;
}

QStringList checkBack() {
    QStringList faults;
    for (const char* alias : {":/pictures/Forma2_2F.jpg", ":/pictures/Forma2_2F@2x.jpg"}) {
        for (const QString& fault : checkBackAlignment(QImage(QLatin1String(alias)))) {
            faults << QLatin1String(alias) + QStringLiteral(": ") + fault;
        }
    }
    return faults;
}

QStringList checkOthers() {
    const struct {
        const char* alias;
        QStringList (*check)(const QImage&);
    } checks[] = {
        {":/pictures/Forma2F_print.jpg", checkPrintFront},
        {":/pictures/Forma2K_print.jpg", checkPrintCounterfoil},
        {":/pictures/Forma2_2F_print.jpg", checkPrintBack},
        {":/pictures/Forma2_2F_nastr.jpg", checkEditorBack},
    };
    QStringList faults;
    for (const auto& check : checks) {
        for (const QString& fault : check.check(QImage(QLatin1String(check.alias))))
            faults << QLatin1String(check.alias) + QStringLiteral(": ") + fault;
    }
    return faults;
}

bool writeOverlays(const QString& folder) {
    const QDir dir(folder);
    return dir.mkpath(QStringLiteral(".")) &&
           drawBackOverlay(QImage(QStringLiteral(":/pictures/Forma2_2F@2x.jpg")))
               .save(dir.filePath(QStringLiteral("back_overlay.png"))) &&
           drawBackOverlay(QImage(QStringLiteral(":/pictures/Forma2_2F.jpg")))
               .save(dir.filePath(QStringLiteral("back_overlay_1x.png")));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList faults = checkPictures() + checkIcons() + checkBack() + checkOthers() +
                               checkHelpLinks(QStringLiteral(":/help"));
    for (const QString& fault : faults)
        out << fault << "\n";
    const QStringList args = app.arguments();
    if (args.size() > 1 && !writeOverlays(args[1])) {
        out << "cannot write the overlays to " << args[1] << "\n";
        return 1;
    }
    out << (faults.isEmpty() ? "resources ok\n" : "resources have faults\n");
    return faults.isEmpty() ? 0 : 1;
}
