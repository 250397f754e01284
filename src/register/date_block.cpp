#include "register/date_block.h"

#include <array>

#include "data/forma3.h"
#include "runtime/core/day_date.h"

namespace DateBlock {

QString monthWord(int month) {
    static const std::array<QString, 12> words = {
        QStringLiteral("января"),  QStringLiteral("февраля"), QStringLiteral("марта"),
        QStringLiteral("апреля"),  QStringLiteral("мая"),     QStringLiteral("июня"),
        QStringLiteral("июля"),    QStringLiteral("августа"), QStringLiteral("сентября"),
        QStringLiteral("октября"), QStringLiteral("ноября"),  QStringLiteral("декабря")};
    return month >= 1 && month <= 12 ? words[month - 1] : QString();
}

void derive(RecordBuffer& certificate) {
    const QDate date = DayDate::toDate(static_cast<qint32>(certificate.integer(FR3::DATAV)));
    if (!date.isValid()) {
        certificate.setInteger(FR3::DAY, 0);
        certificate.setInteger(FR3::GOD, 0);
        return;
    }
    certificate.setInteger(FR3::DAY, date.day());
    // The blank has room for two digits: 2024 is written 24.
    certificate.setInteger(FR3::GOD, date.year() % 1000);
    certificate.setText(FR3::MES, monthWord(date.month()));
}

}  // namespace DateBlock
