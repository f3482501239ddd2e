#pragma once

#include "common_global.h"

#include <QObject>

// Installed on the application: every mouse, touch, wheel and key event counts
// as activity for the auto-off countdown. Events are never consumed.
class COMMON_EXPORT AutoOffEventFilter : public QObject
{
    Q_OBJECT
public:
    explicit AutoOffEventFilter(QObject *parent = nullptr);

    static bool isUserInput(int eventType);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
