#pragma once

// What every fuzz target shares: an application object (the settings class
// and the file watch want one), a scratch device root for the readers that
// go through files, the product's log silenced (it logs every unusable value,
// which would drown libFuzzer's own output and slow it down), and CHECK for
// the properties: a broken one aborts, which libFuzzer reports as a crash and
// saves the input.

#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("VELTRA_FUZZ_LOG"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The device root of this run (VELTRA_ROOTFS points at it), made once and
// removed when the run ends.
inline QString rootfs()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/veltra-fuzz-XXXXXX"));
    return dir.path();
}

inline void init()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    qInstallMessageHandler(quietHandler);
    // Lives until the process ends.
    static QCoreApplication *app = new QCoreApplication(argc, argv);
    Q_UNUSED(app);
    if (rootfs().isEmpty()) {
        std::fprintf(stderr, "fuzz: no scratch directory in %s\n", qPrintable(QDir::tempPath()));
        std::abort();
    }
    qputenv("VELTRA_ROOTFS", QFile::encodeName(rootfs()));
}

// Printable form of a text for a failure message.
inline QByteArray show(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u >= 0x20 && u < 0x7f && u != '\\')
            out += char(u);
        else
            out += "\\u" + QByteArray::number(u, 16).rightJustified(4, '0');
    }
    return out;
}

inline QByteArray show(const QByteArray &bytes)
{
    return show(QString::fromLatin1(bytes));
}

} // namespace fuzz

#define CHECK(condition, ...)                                                                        \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "fuzz: property broken at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::fprintf(stderr, "fuzz: " __VA_ARGS__);                                             \
            std::fprintf(stderr, "\n");                                                              \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)
