#include "autooffeventfilter.h"

#include "autooff.h"

#include <QEvent>

AutoOffEventFilter::AutoOffEventFilter(QObject *parent)
    : QObject(parent)
{
}

bool AutoOffEventFilter::isUserInput(int eventType)
{
    switch (eventType) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

bool AutoOffEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (isUserInput(event->type()))
        AutoOff::activity();
    return QObject::eventFilter(watched, event);
}
