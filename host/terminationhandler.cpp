#include "terminationhandler.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int signalNumber)
{
    // Only async-signal-safe work here: hand the number to the event loop.
    const char byte = char(signalNumber);
    if (signalPipe[0] >= 0)
        (void)::write(signalPipe[0], &byte, 1);
}

} // namespace

TerminationHandler::TerminationHandler(QObject *parent)
    : QObject(parent)
{
    // Close-on-exec: a program the shell starts (the power-off command) must
    // not hold the shell's signal pipe.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        qDebug() << "TerminationHandler::TerminationHandler() no socket pair; signals end the process at once";
        signalPipe[0] = signalPipe[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationHandler::readSignal);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TerminationHandler::~TerminationHandler()
{
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    if (signalPipe[0] >= 0) {
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }
}

void TerminationHandler::readSignal()
{
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) == 1)
        qDebug() << "TerminationHandler::readSignal() signal" << int(byte) << "; quitting";
    QCoreApplication::quit();
}
