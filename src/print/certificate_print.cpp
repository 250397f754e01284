#include "print/certificate_print.h"

CertificatePrint::CertificatePrint(TableSet& tables, PrintSide side, qint64 number, QPointF shift)
    : certificates_(tables.relate(u"FORMA3")),
      profiles_(tables.relate(u"LAST")),
      shift_(shift),
      layout_(side, certificates_.access().record()),
      source_(certificates_.access(), number, [this] { preparePage(); }) {}

CertificatePrint::~CertificatePrint() {
    if (opened_ > 1) profiles_.close();
    if (opened_ > 0) certificates_.close();
}

bool CertificatePrint::open() {
    if (opened_ == 0 && certificates_.open()) opened_ = 1;
    if (opened_ == 1 && profiles_.open()) opened_ = 2;
    return opened_ == 2;
}

void CertificatePrint::preparePage() {
    if (given_) return layout_.place(*given_, shift_);
    TableAccess& profile = profiles_.access();
    Profile::readActive(profile);
    layout_.place(profile.record(), shift_);
}
