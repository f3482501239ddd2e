#include "diagtime.h"

DiagTime::DiagTime(QObject *parent)
    : QObject(parent)
{
}

void DiagTime::start()
{
}

qint64 DiagTime::end()
{
    return 0;
}
