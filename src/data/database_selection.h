#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "runtime/storage/table_access.h"
#include "runtime/ui/browse_source.h"
#include "runtime/ui/window_context.h"

// BrowseBD without its window: the head organisations (RIDGEN), the data
// folders (CONFIG) of the one highlighted, and the active data folder. The
// lists keep their highlighted rows in the context's record buffers.
class DatabaseSelection {
public:
    // The sort tabs of the head-organisation list.
    enum class HeadOrder {
        Code,    // "iD": by RID:KOD
        Stored,  // "Наименование": the order the records were added in
    };

    explicit DatabaseSelection(WindowContext& context);
    ~DatabaseSelection();
    DatabaseSelection(const DatabaseSelection&) = delete;
    DatabaseSelection& operator=(const DatabaseSelection&) = delete;

    // False when a table could not be opened (the message is shown).
    bool isOpen() const { return opened_; }

    TableAccess& heads() { return heads_; }
    TableAccess& folders() { return folders_; }

    HeadOrder headOrder() const { return headOrder_; }
    void setHeadOrder(HeadOrder order) { headOrder_ = order; }
    std::unique_ptr<BrowseSource> headSource();
    // The folders of the head organisation in the buffer, in the order they
    // were added.
    std::unique_ptr<BrowseSource> folderSource();
    // The head organisation folderSource() was last made for.
    qint64 folderOwner() const { return folderOwner_; }

    // A new head organisation with the next code, added at once to reserve
    // it; false when numbering was given up.
    bool primeHead();
    // A new data folder of the head organisation in the buffer; false when
    // none is highlighted.
    bool primeFolder();

    // Where the active data folder stands in the lists: its head
    // organisation's record and its own. Nothing when no folder is active
    // or the active one is not listed.
    struct Place {
        qint64 head = 0;
        qint64 folder = 0;
    };
    std::optional<Place> activePlace();

    // The path of the folder in the buffer.
    QString folderPath() const;
    // Makes the folder in the buffer the active one. Nothing when it is done
    // or there is no folder to make active; otherwise why it was refused.
    std::optional<QString> activateFolder();

private:
    WindowContext& context_;
    TableAccess& heads_;
    TableAccess& folders_;
    bool opened_ = false;
    HeadOrder headOrder_ = HeadOrder::Code;
    qint64 folderOwner_ = 0;
};
