#pragma once

#include <QString>
#include <QStringView>
#include <vector>

#include "runtime/core/record_buffer.h"
#include "runtime/storage/table_relation.h"
#include "runtime/ui/window_context.h"

// What a record form of the selection window does to its table, without its
// window. It works on the record the calling list left in the context's
// buffer: primed for an insert (an auto-numbered one already added, so that
// its number is reserved), the highlighted row for a change or a delete.
class RecordForm {
public:
    // kind: the form's name, under which its history is kept.
    RecordForm(WindowContext& context, QStringView table, const QString& kind, Request request);
    virtual ~RecordForm();
    RecordForm(const RecordForm&) = delete;
    RecordForm& operator=(const RecordForm&) = delete;

    // False when its table could not be opened (the message is shown).
    bool isOpen() const { return opened_; }
    Request request() const { return request_; }
    const QString& kind() const { return kind_; }
    RecordBuffer& record() { return relation_.access().record(); }
    // The stored position of the record worked on; 0 when it is gone.
    qint64 position() const { return relation_.access().position(); }
    // What the frame's status bar says while the form is open.
    QString actionText() const;

    // Delete needs no window: the record goes at once, with its children.
    bool remove();
    // Stores the record and keeps it as the form's history.
    virtual bool save();
    // Leaving an insert gives its reserved number back.
    void cancel();

    // Why the last save was refused and the field at fault; empty when it
    // was not refused.
    const QString& refusal() const { return refusal_; }
    int refusedField() const { return refusedField_; }
    // What the user should know about the record saved; shown once the
    // form has closed, so that the messages outlive it.
    const std::vector<ErrorMessage>& notices() const { return notices_; }

protected:
    void refuse(int field, const QString& why);
    void notify(const QString& title, const QString& text);

private:
    WindowContext& context_;
    TableRelation& relation_;
    QString kind_;
    Request request_;
    bool opened_ = false;
    QString refusal_;
    int refusedField_ = -1;
    std::vector<ErrorMessage> notices_;
};
