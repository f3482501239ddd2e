#include "childprogram.h"

#include "buildemulator.h"

namespace veltra::test {

QStringList programEmulator()
{
    QStringList emulator;
    for (const char *part : kBuildEmulator)
        if (*part)
            emulator.append(QString::fromLocal8Bit(part));
    return emulator;
}

void startProgram(QProcess &process, const QString &program, const QStringList &arguments)
{
    QStringList commandLine = programEmulator();
    if (commandLine.isEmpty()) {
        process.start(program, arguments);
        return;
    }
    process.start(commandLine.takeFirst(), commandLine + QStringList(program) + arguments);
}

} // namespace veltra::test
