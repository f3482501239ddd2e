#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a normal quit of the event loop, so that the
// start-up objects are destroyed in order and the settings objects write
// their pending changes to disk instead of being lost with the process.
class TerminationHandler : public QObject
{
    Q_OBJECT
public:
    explicit TerminationHandler(QObject *parent = nullptr);
    ~TerminationHandler() override;

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
