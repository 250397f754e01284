#pragma once

#include <QString>

#include "data/record_form.h"

// UpdateBD without its window: a head organisation (RIDGEN), its code
// reserved by the list before the form opens.
class HeadOrganisationForm : public RecordForm {
public:
    static inline const QString kName = QStringLiteral("UpdateBD");

    HeadOrganisationForm(WindowContext& context, Request request);
};

// UpdateConfig without its window: a data folder (CONFIG) of the head
// organisation the list holds.
class DataFolderForm : public RecordForm {
public:
    static inline const QString kName = QStringLiteral("UpdateConfig");

    DataFolderForm(WindowContext& context, Request request);

    // The path is stored with its closing "/", since the certificate files are
    // named by appending to it. A path too long for those names is refused;
    // a folder that cannot be found is stored all the same, with a warning,
    // as it may sit on a network drive not connected now.
    bool save() override;

private:
    void warnAboutFolder(const QString& path);
};
