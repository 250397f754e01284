#include "app/procedures.h"

#include <QHash>

#include "app/zast.h"
#include "data/browse_bd.h"
#include "print/browse_nastr.h"
#include "register/browse_formf2.h"
#include "reports/rep_data.h"

namespace {

QHash<QString, std::function<void()>>& procedures() {
    static QHash<QString, std::function<void()>> table;
    return table;
}

}  // namespace

void registerProcedure(const QString& name, std::function<void()> start) {
    procedures().insert(name, std::move(start));
}

bool isProcedureRegistered(const QString& name) {
    return procedures().contains(name);
}

bool startProcedure(const QString& name) {
    const std::function<void()> start = procedures().value(name);
    if (!start) return false;
    start();
    return true;
}

void registerAllProcedures() {
    registerProcedure(QStringLiteral("BrowseBD"), BrowseBD);
    registerProcedure(QStringLiteral("Zast"), Zast);
    registerProcedure(QStringLiteral("BrowseFormf2"), BrowseFormf2);
    registerProcedure(QStringLiteral("Rep_data"), Rep_data);
    registerProcedure(QStringLiteral("BrowseNastr"), BrowseNastr);
}
