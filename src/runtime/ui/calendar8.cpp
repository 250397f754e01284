#include "runtime/ui/calendar8.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "runtime/core/day_date.h"

namespace {

QTextCharFormat coloured(const QColor& colour) {
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

}  // namespace

Calendar8::Calendar8(const QString& title, qint32 day, QWidget* parent)
    : QDialog(parent), calendar_(new QCalendarWidget(this)) {
    setWindowTitle(title);
    calendar_->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    for (int weekday = Qt::Monday; weekday <= Qt::Sunday; ++weekday)
        calendar_->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(weekday),
                                        coloured(weekday >= Qt::Saturday ? kWeekend : Qt::black));
    const QDate start = day > 0 ? DayDate::toDate(day) : QDate::currentDate();
    calendar_->setSelectedDate(start);
    markHolidays(start.year());
    connect(calendar_, &QCalendarWidget::currentPageChanged, this,
            [this](int year, int) { markHolidays(year); });
    connect(calendar_, &QCalendarWidget::clicked, this, &Calendar8::choose);
    connect(calendar_, &QCalendarWidget::activated, this, &Calendar8::choose);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { choose(calendar_->selectedDate()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    layout->addWidget(buttons);
}

Calendar8* Calendar8::open(QWidget* window, const QString& title, qint32 day,
                           std::function<void(qint32)> chosen) {
    auto* dialog = new Calendar8(title, day, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &Calendar8::dayChosen, dialog, std::move(chosen));
    dialog->show();
    return dialog;
}

bool Calendar8::isHoliday(QDate date) {
    const int month = date.month(), day = date.day();
    return (month == 1 && day <= 8) || (month == 2 && day == 23) || (month == 3 && day == 8) ||
           (month == 5 && (day == 1 || day == 9)) || (month == 6 && day == 12) ||
           (month == 11 && day == 4);
}

QColor Calendar8::dayColour(QDate date) {
    if (isHoliday(date)) return kHoliday;
    if (date.dayOfWeek() >= Qt::Saturday) return kWeekend;
    return Qt::black;
}

// The page shows days of the months before and after it, so the holidays of
// the neighbouring years are marked as well.
void Calendar8::markHolidays(int year) {
    for (QDate date(year - 1, 1, 1); date.year() <= year + 1; date = date.addDays(1))
        if (isHoliday(date)) calendar_->setDateTextFormat(date, coloured(kHoliday));
}

void Calendar8::choose(QDate date) {
    if (!date.isValid()) return;
    emit dayChosen(DayDate::fromDate(date));
    accept();
}
