#include "data/database_selection.h"

#include "data/config.h"
#include "data/data_folder.h"
#include "data/ridgen.h"
#include "runtime/ui/browse_table_source.h"

DatabaseSelection::DatabaseSelection(WindowContext& context)
    : context_(context),
      heads_(context.tables().access(u"RIDGEN")),
      folders_(context.tables().access(u"CONFIG")) {
    // CONFIG first, as its relation brings RIDGEN along; the list reads
    // RIDGEN itself, so it is opened here rather than on first touch.
    TableRelation& config = context_.tables().relate(u"CONFIG");
    if (!config.open()) return;
    if (!context_.tables().relate(u"RIDGEN").open()) {
        config.close();
        return;
    }
    opened_ = true;
}

DatabaseSelection::~DatabaseSelection() {
    if (!opened_) return;
    context_.tables().relate(u"RIDGEN").close();
    context_.tables().relate(u"CONFIG").close();
}

std::unique_ptr<BrowseSource> DatabaseSelection::headSource() {
    return std::make_unique<BrowseTableSource>(heads_,
                                               headOrder_ == HeadOrder::Code ? RID::K1 : -1);
}

std::unique_ptr<BrowseSource> DatabaseSelection::folderSource() {
    folderOwner_ = heads_.position() != 0 ? heads_.record().integer(RID::KOD) : 0;
    auto source = std::make_unique<BrowseTableSource>(folders_, KON::K1);
    source->limitTo(folderOwner_);  // no organisation: no rows
    return source;
}

bool DatabaseSelection::primeHead() {
    return heads_.primeAutoNumber();
}

bool DatabaseSelection::primeFolder() {
    if (heads_.position() == 0) return false;
    folders_.prime();
    folders_.record().setInteger(KON::KOD, heads_.record().integer(RID::KOD));
    return true;
}

QString DatabaseSelection::folderPath() const {
    return folders_.position() != 0 ? folders_.record().text(KON::PATH) : QString();
}

std::optional<QString> DatabaseSelection::activateFolder() {
    if (folders_.position() == 0) return std::nullopt;
    return DataFolder::activate(folderPath());
}

std::optional<DatabaseSelection::Place> DatabaseSelection::activePlace() {
    if (Forma3FileName.get().isEmpty()) return std::nullopt;
    RecordBuffer folder(folders_.record().layout());
    ReadRequest request;
    for (;;) {
        const std::vector<StoredRecord> page = folders_.read(request);
        for (const StoredRecord& stored : page) {
            folder.setImage(stored.image);
            if (!DataFolder::isActive(folder.text(KON::PATH))) continue;
            if (!heads_.fetchKey(RID::K1, folder.integer(KON::KOD))) return std::nullopt;
            return Place{heads_.position(), stored.position};
        }
        if (int(page.size()) < request.limit) return std::nullopt;
        request.after = page.back();
    }
}
