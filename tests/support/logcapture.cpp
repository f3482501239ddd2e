#include "logcapture.h"

#include <QMutex>
#include <QMutexLocker>
#include <QtGlobal>

namespace veltra::test {
namespace {

QtMessageHandler passOn = nullptr;
QMutex captureMutex;
QStringList lines;

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&captureMutex);
        lines.append(message);
    }
    if (passOn)
        passOn(type, context, message);
}

} // namespace

void startLogCapture()
{
    QtMessageHandler previous = qInstallMessageHandler(captureHandler);
    if (previous != captureHandler)
        passOn = previous;
}

QStringList capturedLog()
{
    QMutexLocker lock(&captureMutex);
    return lines;
}

void clearCapturedLog()
{
    QMutexLocker lock(&captureMutex);
    lines.clear();
}

} // namespace veltra::test
