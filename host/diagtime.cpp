#include "diagtime.h"

DiagTime::DiagTime(QObject *parent)
    : QObject(parent)
{
}

void DiagTime::start()
{
}

long DiagTime::end()
{
    return 0;
}
