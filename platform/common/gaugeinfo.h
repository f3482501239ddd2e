#pragma once

#include "common_global.h"

#include <QObject>
#include <QString>

// The gauge's identity, as the simulated device reports it.
class COMMON_EXPORT GaugeInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString modelNumber READ modelNumber NOTIFY changed)
    Q_PROPERTY(QString serialNumber READ serialNumber NOTIFY changed)
    Q_PROPERTY(QString calibrationDate READ calibrationDate NOTIFY changed)
    Q_PROPERTY(QString softwareVersion READ softwareVersion NOTIFY changed)
public:
    static GaugeInfo &instance();

    QString modelNumber() const;
    QString serialNumber() const;
    QString calibrationDate() const;
    QString softwareVersion() const;

signals:
    void changed();

private:
    GaugeInfo();
};
