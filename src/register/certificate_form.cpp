#include "register/certificate_form.h"

#include "data/forma3.h"
#include "data/last.h"
#include "print/profile.h"
#include "register/certificate_clipboard.h"
#include "register/date_block.h"

CertificateForm::CertificateForm(WindowContext& context)
    : context_(context),
      scope_(context, kProcedure),
      certificate_(forma3().record()),
      request_(scope_.request()),
      handed_(certificate_.image()),
      handedPosition_(forma3().position()) {}

CertificateForm::~CertificateForm() {
    for (auto label = opened_.crbegin(); label != opened_.crend(); ++label)
        context_.tables().relate(*label).close();
}

QString CertificateForm::actionMessage() const {
    return request_ == Request::Insert ? QStringLiteral("Добавить запись")
                                       : QStringLiteral("Изменить запись");
}

bool CertificateForm::open() {
    for (const QString& label : {QStringLiteral("LAST"), QStringLiteral("FORMA3")}) {
        if (!context_.tables().relate(label).open()) return false;
        opened_.append(label);
    }
    if (request_ == Request::Insert) forma3().prime();
    return true;
}

Response CertificateForm::deleteCertificate() {
    const Response response =
        context_.tables().relate(u"FORMA3").remove() ? Response::Completed : Response::Cancelled;
    finish(response);
    return response;
}

void CertificateForm::dateEvent() {
    DateBlock::derive(certificate_);
}

bool CertificateForm::recipientEvent() {
    if (!certificate_.isBlank(FR3::OPIS)) return false;
    const QString recipient = certificate_.text(FR3::S2);
    qsizetype start = 0;
    while (start < recipient.size() && recipient.at(start) == u' ')
        ++start;
    certificate_.setText(FR3::OPIS, QStringView(recipient).mid(start));
    return !certificate_.isBlank(FR3::OPIS);
}

bool CertificateForm::showsAdditionalLines() const {
    return certificate_.integer(FR3::CHEK) == 1;
}

void CertificateForm::copy(const RecordBuffer& shown) {
    certificateClipboard.set(CertificateClipboard::copyOf(shown));
}

void CertificateForm::paste() {
    certificate_.setInteger(FR3::DATAV, 0);
    certificateClipboard.get().pasteInto(certificate_);
}

int CertificateForm::missingRequired() const {
    if (certificate_.integer(FR3::NFORM) == 0) return FR3::NFORM;
    if (certificate_.integer(FR3::DATAV) == 0) return FR3::DATAV;
    return -1;
}

bool CertificateForm::save() {
    context_.history().remember(kProcedure, certificate_);
    TableRelation& table = context_.tables().relate(u"FORMA3");
    return request_ == Request::Insert ? table.insert() : table.update();
}

void CertificateForm::abandon() {
    certificate_.setImage(handed_);
    forma3().setPosition(handedPosition_);
}

void CertificateForm::finish(Response response) {
    context_.setGlobalResponse(response);
}

bool CertificateForm::readProfile() {
    return Profile::readActive(last());
}

QString CertificateForm::headingCaption() {
    const RecordBuffer& font = profile();
    return QStringLiteral("[Цвет и шрифт печати формы] [%1 Размер: %2]")
        .arg(font.text(LAS::TYPEFACE), QString::number(font.integer(LAS::FONTSIZE)));
}
