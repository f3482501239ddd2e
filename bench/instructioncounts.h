#pragma once

#include <QJsonObject>
#include <QString>

// Instructions a probe executes, for the GUI thread and for the whole process.
//
// Where the kernel gives this process the CPU's instruction counters
// (perf_event_open), a probe reads them itself and reports them in its result.
// Where it does not (virtual machines often hide them), the benchmark runs the
// probe again under `valgrind --tool=callgrind` (once with --separate-threads=yes
// for the GUI thread, once without for the whole process), and the probe marks
// its points with callgrind's client requests: a dump named "phase:<name>" at
// each point of the start (the dumps of a run add up to the instructions from
// its start to that point), and for each step (a page change, say) a dump
// named "before:<name>" right before its action and one named "step:<name>" at
// the frame that shows it. The benchmark reads the dumps afterwards
// (callgrindfigures.h).
namespace bench::instructions {

// Opens the counters. Call on the GUI thread before any other thread starts:
// the whole-process counter follows only threads started after it.
void start();

// "perf" (this process reads the counters), "callgrind" (it runs under
// callgrind, which counts) or "" (no counts).
QString source();

// How much probes stretch their time-outs and idle waits: 1 natively, 10 under
// valgrind, so that a frame that takes longer does not end a wait early.
double slowdown();

// A point of the start: the instructions from start() to now.
void phase(const char *name);

// One step: from beginStep(name) to endStep(name).
void beginStep(const char *name);
void endStep(const char *name);

// The counts read so far, when this process reads them itself:
// {"gui": {"phases": {name: n}, "steps": {name: [n, ...]}}, "process": {...}};
// empty otherwise.
QJsonObject json();

} // namespace bench::instructions
