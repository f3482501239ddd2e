#include "warningguard.h"

#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QtGlobal>

#include <cstdio>

namespace veltra::test {
namespace {

QtMessageHandler previousHandler = nullptr;
QMutex guardMutex;
QStringList recorded;

bool isQmlProblem(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtWarningMsg && type != QtCriticalMsg && type != QtFatalMsg)
        return false;
    const QString category = QString::fromLatin1(context.category ? context.category : "");
    if (category == QLatin1String("qml") || category == QLatin1String("js"))
        return true;
    static const QRegularExpression qmlLocation(QStringLiteral("\\.qml:\\d+"));
    return qmlLocation.match(message).hasMatch();
}

void guardHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (isQmlProblem(type, context, message)) {
        QMutexLocker lock(&guardMutex);
        recorded.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void installWarningGuard()
{
    QtMessageHandler previous = qInstallMessageHandler(guardHandler);
    if (previous != guardHandler)
        previousHandler = previous;
}

QStringList qmlWarnings()
{
    QMutexLocker lock(&guardMutex);
    return recorded;
}

void clearQmlWarnings()
{
    QMutexLocker lock(&guardMutex);
    recorded.clear();
}

QString takeQmlWarnings()
{
    QMutexLocker lock(&guardMutex);
    const QString text = recorded.join(QLatin1Char('\n'));
    recorded.clear();
    return text;
}

int exitCodeWithQmlWarnings(int rc)
{
    const QStringList warnings = qmlWarnings();
    if (warnings.isEmpty())
        return rc;
    std::fprintf(stderr, "FAIL: %d QML warning(s) during the run:\n", int(warnings.size()));
    for (const QString &w : warnings)
        std::fprintf(stderr, "  %s\n", qPrintable(w));
    return rc ? rc : 1;
}

double timeoutFactor()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("VELTRA_TIMEOUT_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

int timeout(int milliseconds)
{
    return int(milliseconds * timeoutFactor());
}

} // namespace veltra::test
