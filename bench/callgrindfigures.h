#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The instruction counts of a probe that ran under callgrind, read from the
// dumps its client requests wrote (see instructioncounts.h).
namespace bench {

struct CallgrindDump
{
    // What triggered the dump: the client request's text ("phase:firstFrame").
    QString trigger;
    // The instructions (event Ir) the dump holds; negative when it has none.
    double instructions = -1;
};

// One dump file's trigger and total.
CallgrindDump parseCallgrindDump(const QByteArray &text);

// The figures of the dumps `<dir>/<base>.<part>` (one per dump, all threads) or
// `<dir>/<base>.<part>-01` (the first thread's, with --separate-threads=yes),
// in the order they were written: {"phases": {name: instructions from the
// start to that point}, "steps": {name: [instructions of each step, in
// order]}}. Every dump before the first step ("before:<name>") adds to the
// count from the start; from then on only the steps' own dumps count. The other
// threads' files and the final dump at the end of the program are not read.
QJsonObject callgrindFigures(const QString &dir, const QString &base);

} // namespace bench
