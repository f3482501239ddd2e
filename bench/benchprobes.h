#pragma once

#include <QStringList>

// The measuring side of the benchmark: each probe runs in a child process of
// its own (clean memory figures, a fresh application object), measures one
// scenario and prints its figures as one line "VELTRA_BENCH_RESULT <json>" on
// standard output. Times are milliseconds from the start of main().
namespace bench {

extern const char kResultPrefix[];

// What a probe may take for each round of page changes it is asked for (an
// app switch, or a wizard round of four page changes with their waits for an
// idle window: about a second on a desktop PC), on top of its start. A probe
// gives up after its start allowance and its rounds' (stretched under
// valgrind), so the parent waits at least as long.
const int kProbeStartMs = 60000;
const int kRoundMs = 3000;
int probeTimeoutMs(int rounds);

// Starts the clock that every time of a probe is measured from.
void startClock();

// The shell's real start-up (tarvik::run) with the configuration of
// $VELTRA_ROOTFS. scenario: "start" (first frame, all loaded, peak memory),
// "switch" (app switches), "wizard" (tile pick, Go Back, home to the wizard)
// or "pages" (the switches, then the wizard); "census" is a start that also
// counts the objects of the first screen by type.
int runShellProbe(int &argc, char **argv, const QString &scenario, int repeats);

// The floor: kind "controls1" (Qt Quick Controls 1 ApplicationWindow, a
// StackView, one page with a 500-line ListView) or "window" (a bare Qt Quick
// Window). scenario: "start", "census", "switch" (page changes) or "flick".
int runFloorProbe(int &argc, char **argv, const QString &kind, const QString &scenario, int repeats);

// The capture list (sorvel) in its stand-in window: "start" (creation with its
// 500 captures, first frame) or "flick".
int runCaptureListProbe(int &argc, char **argv, const QString &scenario);

} // namespace bench
