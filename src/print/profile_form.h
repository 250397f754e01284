#pragma once

#include <QFont>
#include <QString>
#include <optional>

#include "print/profile.h"
#include "runtime/core/record_buffer.h"
#include "runtime/report/report_font.h"
#include "runtime/storage/table_relation.h"
#include "runtime/ui/control_def.h"
#include "runtime/ui/window_context.h"

// What UpdateNastr does to the profile, without its window. It works in the
// calling list's context, on the context's LAST buffer, and always on the
// active profile: the one every print uses, whichever row was highlighted.
class ProfileForm {
public:
    static inline const QString kProcedure = QStringLiteral("UpdateNastr");
    // Positions are calibrated to a tenth of a millimetre, the place their
    // fields keep.
    static constexpr double kStep = 0.1;

    explicit ProfileForm(WindowContext& context);
    ~ProfileForm();
    ProfileForm(const ProfileForm&) = delete;
    ProfileForm& operator=(const ProfileForm&) = delete;

    // False when LAST could not be opened (the message is shown).
    bool isOpen() const { return opened_; }
    RecordBuffer& record() { return relation_.access().record(); }
    const RecordBuffer& record() const { return relation_.access().record(); }

    // Replaces the highlighted profile in the buffer by the active one;
    // false when there is none.
    bool readActive();

    // "Шрифт: [Arial Cyr Размер: 10]"
    QString fontCaption() const;
    FontSpec printFont() const { return Profile::font(record()); }
    // The font the chooser opens on.
    QFont chooserFont() const;

    // The chooser's answer; nothing when the user cancelled, which leaves
    // the profile's font as it is. A name the profile cannot store is
    // refused with the reason; empty when the font was taken.
    QString takeFont(const std::optional<QFont>& chosen);

    // Writes the buffer over the active profile and keeps it as the history
    // of this list window, for the history key; false after the table's
    // message.
    bool save();

    // What a position box may hold: the range its row gives, or else
    // everything the field holds.
    struct Range {
        double minimum;
        double maximum;
    };
    static Range boxRange(const ControlDef& box);

private:
    WindowContext& context_;
    TableRelation& relation_;
    bool opened_;
};
