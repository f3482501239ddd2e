#include "startup.h"

int main(int argc, char **argv)
{
    tarvik::StartupOptions options;
    // Development runs and tests on a desktop machine name a harmless stand-in
    // here: the real command would switch the machine itself off.
    const QString powerOff = qEnvironmentVariable("VELTRA_POWEROFF_PROGRAM");
    if (!powerOff.isEmpty())
        options.powerOffProgram = powerOff;
    return tarvik::run(argc, argv, options);
}
