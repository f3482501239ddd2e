#include "reminder.h"

#include "gaugeinfo.h"

#include <QDebug>

Reminder::Reminder() = default;

Reminder &Reminder::instance()
{
    // Lives until the process ends.
    static Reminder *reminder = new Reminder;
    return *reminder;
}

bool Reminder::isCalibrationDue(const QDate &calibrationDate, const QDate &today)
{
    return !calibrationDate.isValid() || calibrationDate.addYears(1) <= today;
}

void Reminder::check()
{
    const QString text = GaugeInfo::instance().calibrationDate();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid()) {
        qDebug() << "Reminder::check() unreadable calibration date" << text;
        return;
    }
    if (isCalibrationDue(date, QDate::currentDate())) {
        qDebug() << "Reminder::check() calibration due, last calibrated" << text;
        emit calibrationDue(text);
    }
}
