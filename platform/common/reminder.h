#pragma once

#include "common_global.h"

#include <QDate>
#include <QObject>

// Reminds the technician of due maintenance. check() looks at the gauge's last
// calibration date and logs a line when a calibration is due (a year or more
// ago) or the date cannot be read.
class COMMON_EXPORT Reminder : public QObject
{
    Q_OBJECT
public:
    static Reminder &instance();

    void check();
    // Whether a gauge calibrated on `calibrationDate` is due for calibration on `today`.
    static bool isCalibrationDue(const QDate &calibrationDate, const QDate &today);

signals:
    void calibrationDue(const QString &calibrationDate);

private:
    Reminder();
};
