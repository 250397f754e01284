#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableView>
#include <QTextCharFormat>

#include "runtime/core/day_date.h"
#include "runtime/ui/calendar8.h"
#include "ui_test_support.h"

namespace {

// The colour the calendar draws a day's number in.
QColor shownColour(const QCalendarWidget* calendar, QDate date) {
    QTextCharFormat format = calendar->weekdayTextFormat(Qt::DayOfWeek(date.dayOfWeek()));
    format.merge(calendar->dateTextFormat(date));
    return format.foreground().color();
}

TEST(Calendar8Test, May2024ShowsWeekendsRedHolidaysGreenOtherDaysBlack) {
    Calendar8 dialog("Дата выдачи", DayDate::fromDate(QDate(2024, 5, 15)));
    const QCalendarWidget* calendar = dialog.calendar();
    EXPECT_EQ(dialog.windowTitle(), "Дата выдачи");
    EXPECT_EQ(calendar->selectedDate(), QDate(2024, 5, 15));
    for (int day = 1; day <= 31; ++day) {
        const QDate date(2024, 5, day);
        SCOPED_TRACE(date.toString(Qt::ISODate).toStdString());
        QColor expected = Qt::black;
        if (date.dayOfWeek() >= Qt::Saturday) expected = Calendar8::kWeekend;
        if (day == 1 || day == 9) expected = Calendar8::kHoliday;  // Wednesday, Thursday
        EXPECT_EQ(shownColour(calendar, date), expected);
    }
}

TEST(Calendar8Test, HolidaysOfTheYear) {
    const QList<QDate> holidays{{2025, 1, 1}, {2025, 1, 8}, {2025, 2, 23}, {2025, 3, 8},
                                {2025, 5, 1}, {2025, 5, 9}, {2025, 6, 12}, {2025, 11, 4}};
    const QList<QDate> workdays{
        {2025, 1, 9}, {2025, 2, 24}, {2025, 5, 2}, {2025, 11, 5}, {2025, 12, 31}};
    for (QDate date : holidays)
        EXPECT_TRUE(Calendar8::isHoliday(date)) << date.day();
    for (QDate date : workdays)
        EXPECT_FALSE(Calendar8::isHoliday(date)) << date.day();
    // A holiday on a Sunday is still a holiday's colour.
    EXPECT_EQ(Calendar8::dayColour(QDate(2025, 2, 23)), Calendar8::kHoliday);
}

TEST(Calendar8Test, HolidaysAreMarkedOnEveryPageTheUserTurnsTo) {
    Calendar8 dialog("Дата выдачи", DayDate::fromDate(QDate(2024, 12, 20)));
    dialog.calendar()->setCurrentPage(2026, 6);
    EXPECT_EQ(shownColour(dialog.calendar(), QDate(2026, 6, 12)), Calendar8::kHoliday);
}

TEST(Calendar8Test, NoDayOpensOnToday) {
    Calendar8 dialog("Дата выдачи", 0);
    EXPECT_EQ(dialog.calendar()->selectedDate(), QDate::currentDate());
}

QTableView* daysView(Calendar8* dialog) {
    return dialog->calendar()->findChild<QTableView*>();
}

TEST(Calendar8Test, ClickingADayChoosesIt) {
    QWidget window;
    qint32 chosen = -1;
    Calendar8* dialog = Calendar8::open(&window, "Дата выдачи", DayDate::fromDate({2024, 7, 1}),
                                        [&](qint32 day) { chosen = day; });
    EXPECT_FALSE(dialog->isModal());
    emit dialog->calendar()->clicked(QDate(2024, 7, 15));
    EXPECT_EQ(chosen, 81649);
    EXPECT_FALSE(dialog->isVisible());
}

TEST(Calendar8Test, EnterChoosesTheHighlightedDay) {
    QWidget window;
    qint32 chosen = -1;
    Calendar8* dialog = Calendar8::open(&window, "Дата выдачи", DayDate::fromDate({2024, 7, 15}),
                                        [&](qint32 day) { chosen = day; });
    showActive(*dialog);
    QTest::keyClick(daysView(dialog), Qt::Key_Right);
    QTest::keyClick(daysView(dialog), Qt::Key_Return);
    EXPECT_EQ(chosen, 81650);
}

TEST(Calendar8Test, OkChoosesTheHighlightedDayAndEscapeChoosesNothing) {
    QWidget window;
    QList<qint32> chosen;
    Calendar8* first = Calendar8::open(&window, "Дата выдачи", DayDate::fromDate({2024, 7, 15}),
                                       [&](qint32 day) { chosen.append(day); });
    first->calendar()->setSelectedDate(QDate(2024, 7, 20));
    first->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(chosen, QList<qint32>{81654});

    Calendar8* second =
        Calendar8::open(&window, "Дата выдачи", 81649, [&](qint32 day) { chosen.append(day); });
    showActive(*second);
    QTest::keyClick(second, Qt::Key_Escape);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(chosen.size(), 1);
}

}  // namespace
