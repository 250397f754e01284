#pragma once

#include <QPointF>
#include <optional>

#include "print/certificate_source.h"
#include "print/print_layout.h"
#include "runtime/storage/table_set.h"

// One print of a certificate's side, as the window procedures and the
// command line run it: the layout, and the pass's source over FORMA3 for
// the number taken at the start. Before each page the active profile is
// read afresh, every control placed from it and the page moved by the shift
// taken at the start.
class CertificatePrint {
public:
    CertificatePrint(TableSet& tables, PrintSide side, qint64 number, QPointF shift);
    ~CertificatePrint();
    CertificatePrint(const CertificatePrint&) = delete;
    CertificatePrint& operator=(const CertificatePrint&) = delete;

    // Opens FORMA3 and LAST; false after the table's message. The tables
    // close with the print.
    bool open();
    // Places every page from this profile instead of the stored one: the
    // profile form shows a change before it is saved.
    void useProfile(const RecordBuffer& profile) { given_ = profile; }

    ReportLayout& layout() { return layout_.report(); }
    RecordSource& source() { return source_; }

private:
    void preparePage();

    TableRelation& certificates_;
    TableRelation& profiles_;
    QPointF shift_;
    PrintLayout layout_;
    CertificateSource source_;
    std::optional<RecordBuffer> given_;
    int opened_ = 0;
};
