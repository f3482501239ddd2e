#pragma once

#include <QProcess>
#include <QStringList>

namespace veltra::test {

// Starts one of this build's own programs (the staged tarvik, a probe) in
// `process`. In a cross build the program is for another CPU and runs through
// the build's emulator (qemu-arm-static with the sysroot as the ARM loader's
// root), which passes signals on to the program and its exit code back, so a
// test waits, terminates and reads the exit status as it would natively.
void startProgram(QProcess &process, const QString &program, const QStringList &arguments = {});

// The emulator's command line that startProgram() puts in front of the
// program; empty in a native build.
QStringList programEmulator();

} // namespace veltra::test
