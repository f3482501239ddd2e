#pragma once

#include <QString>
#include <QStringList>

// An apps directory made for a preview or a test: every app library of an
// installed apps directory and the libraries of the apps under development,
// as symbolic links. An installed library with the same file name or the same
// app id as one under development is left out, so that a new build of an
// installed app replaces it instead of clashing with it.
namespace AppSet {

// Fills the empty directory `into`. On failure returns false and says why.
bool assemble(const QString &installedDir, const QStringList &libraries, const QString &into, QString *error);

// The "id" of a library's record, read from the file without loading it;
// empty when it has none.
QString appIdOf(const QString &library);

} // namespace AppSet
