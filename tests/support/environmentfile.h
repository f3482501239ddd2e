#pragma once

#include <QMap>
#include <QString>

namespace veltra::test {

// The KEY=value lines of an environment file as systemd reads one
// (EnvironmentFile=): blank lines and lines starting with "#" or ";" are
// comments; a value may be double-quoted. Empty when the file cannot be read.
QMap<QString, QString> readEnvironmentFile(const QString &path);

} // namespace veltra::test
