#include "register/certificate_clipboard.h"

#include "data/forma3.h"

Shared<CertificateClipboard> certificateClipboard;

const std::array<CertificateClipboard::Kept, 24>& CertificateClipboard::kept() {
    static const std::array<Kept, 24> table = {{
        {FR3::S1, 20},  {FR3::S2, 91},   {FR3::S3, 81},  {FR3::S4, 91},  {FR3::KOL, 30},
        {FR3::UP, 25},  {FR3::MK, 25},   {FR3::S5, 80},  {FR3::S7, 91},  {FR3::S8, 80},
        {FR3::P1, 36},  {FR3::P3, 36},   {FR3::S10, 91}, {FR3::S11, 80}, {FR3::S13, 80},
        {FR3::S14, 40}, {FR3::S141, 45}, {FR3::S15, 80}, {FR3::S16, 91}, {FR3::S17, 80},
        {FR3::S18, 91}, {FR3::S19, 91},  {FR3::P2, 36},  {FR3::P4, 36},
    }};
    return table;
}

CertificateClipboard::CertificateClipboard() {
    for (size_t i = 0; i < buffers_.size(); ++i)
        buffers_[i] = QString(kept()[i].width, u' ');
}

CertificateClipboard CertificateClipboard::copyOf(const RecordBuffer& certificate) {
    CertificateClipboard clip;
    for (size_t i = 0; i < clip.buffers_.size(); ++i)
        clip.buffers_[i] = certificate.paddedText(kept()[i].field).leftJustified(kept()[i].width);
    return clip;
}

void CertificateClipboard::pasteInto(RecordBuffer& certificate) const {
    for (size_t i = 0; i < buffers_.size(); ++i)
        certificate.setText(kept()[i].field,
                            buffers_[i].left(certificate.layout().field(kept()[i].field).size));
}

QString CertificateClipboard::buffer(int field) const {
    for (size_t i = 0; i < buffers_.size(); ++i)
        if (kept()[i].field == field) return buffers_[i];
    return {};
}
