#pragma once

#include <QCalendarWidget>
#include <QColor>
#include <QDate>
#include <QDialog>
#include <QString>
#include <functional>

// The month calendar for picking a date. It does not hold up any window:
// the choice arrives through dayChosen (a click on a day, Enter, or OK with
// a day highlighted); Escape closes it without a choice. Saturdays and
// Sundays are red, public holidays green.
class Calendar8 : public QDialog {
    Q_OBJECT

public:
    static inline const QColor kWeekend{255, 0, 0};
    static inline const QColor kHoliday{0, 128, 0};

    // Opens on the day number, or on today for 0.
    Calendar8(const QString& title, qint32 day, QWidget* parent = nullptr);

    // Shows a calendar over the window that calls back with the chosen day.
    static Calendar8* open(QWidget* window, const QString& title, qint32 day,
                           std::function<void(qint32 day)> chosen);

    static bool isHoliday(QDate date);
    static QColor dayColour(QDate date);

    QCalendarWidget* calendar() const { return calendar_; }

signals:
    void dayChosen(qint32 day);

private:
    void markHolidays(int year);
    void choose(QDate date);

    QCalendarWidget* calendar_;
};
