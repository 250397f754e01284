#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "runtime/core/record_buffer.h"
#include "runtime/storage/table_access.h"
#include "runtime/ui/window_context.h"

// What the certificate form does, without its window: it takes the request
// of the context, works on the context's FORMA3 buffer and answers through
// GLOBALRESPONSE. The window calls it on the user's events.
class CertificateForm {
public:
    // The procedure's name in messages and its settings section.
    static inline const QString kProcedure = QStringLiteral("Updateforma2");

    // Takes over the context's request.
    explicit CertificateForm(WindowContext& context);
    // Closes the tables it opened; the context gets its caller's name back.
    ~CertificateForm();
    CertificateForm(const CertificateForm&) = delete;
    CertificateForm& operator=(const CertificateForm&) = delete;

    WindowContext& context() { return context_; }
    Request request() const { return request_; }
    RecordBuffer& record() { return certificate_; }
    // The status bar's word for what the form does: "Добавить запись".
    QString actionMessage() const;

    // Opens LAST and FORMA3 and primes a new certificate; false when a table
    // cannot be opened (the context has reported it).
    bool open();
    // The delete request: deletes the certificate in the buffer at once.
    Response deleteCertificate();

    // After an event of the issue date: the blank's date block follows it.
    void dateEvent();
    // After an event of the recipient line: a blank description takes the
    // recipient's first characters. True when the description changed.
    bool recipientEvent();
    bool showsAdditionalLines() const;

    // Puts the main lines of the certificate as the form shows it into the
    // program's clipboard.
    static void copy(const RecordBuffer& shown);
    // Fills the main lines from the clipboard and clears the issue date.
    void paste();

    // The first required field left empty (FR3::NFORM, FR3::DATAV), or -1.
    int missingRequired() const;
    // Remembers the certificate for the history key, then adds it or writes
    // it back. False when the table refused (reported); the buffer keeps the
    // input.
    bool save();
    // Leaves without saving: the buffer goes back to what the caller handed.
    void abandon();
    // Leaves the answer for the caller.
    void finish(Response response);

    // Loads the active print profile; false when there is none (the profile
    // then reads blank).
    bool readProfile();
    const RecordBuffer& profile() { return last().record(); }
    // "[Цвет и шрифт печати формы] [Arial Cyr Размер: 10]"
    QString headingCaption();

private:
    TableAccess& forma3() { return context_.tables().access(u"FORMA3"); }
    TableAccess& last() { return context_.tables().access(u"LAST"); }

    WindowContext& context_;
    ProcedureScope scope_;
    RecordBuffer& certificate_;
    Request request_;
    QByteArray handed_;      // the buffer as the caller handed it
    qint64 handedPosition_;  // and its record
    QStringList opened_;     // the tables to close, in opening order
};
