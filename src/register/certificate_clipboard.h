#pragma once

#include <QString>
#include <array>

#include "runtime/core/record_buffer.h"
#include "runtime/core/shared_value.h"

// The certificate clipboard: the main text lines of the certificate last
// seen on a certificate form, kept for the rest of the run so that a similar
// certificate can be filled from it. Number, dates, headings, status,
// description, continuation lines and the back side are not kept.
class CertificateClipboard {
public:
    struct Kept {
        int field;  // FR3::S1 ...
        int width;  // the buffer's width; never narrower than the field
    };
    static const std::array<Kept, 24>& kept();

    // Blank buffers.
    CertificateClipboard();

    static CertificateClipboard copyOf(const RecordBuffer& certificate);
    // Gives each kept field its text back; every other field is left alone.
    void pasteInto(RecordBuffer& certificate) const;

    // The buffer of a kept field, blank-padded to its width; empty for a
    // field that is not kept.
    QString buffer(int field) const;

private:
    std::array<QString, 24> buffers_;
};

// The process's clipboard, shared by every certificate form.
extern Shared<CertificateClipboard> certificateClipboard;
