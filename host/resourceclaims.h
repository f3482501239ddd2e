#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Which part of the program owns each file of its Qt resources. All apps'
// files lie at one resource root, and when two libraries register the same
// path only one of the two files can be seen: an app whose files are there
// already would take another app's page (or the shell's) or lose its own. The
// app manager asks before loading a plug-in and claims its files after.
// Resources belong to the process, and so does this record of them.
namespace ResourceClaims {

struct Owner
{
    QString appId;   // empty: the shell (its QML, the Material library, Qt's)
    QString library; // the plug-in file that brought the file

    QString describe() const;
};

// Every file registered now that no one claimed belongs to the shell. Needed
// only before a library that lists no files of its own loads.
void claimRegistered();

// The first of `files` ("/Page.qml") that another app than `appId`, or the
// shell, has already; empty when none. Its owner goes to `owner`. A file
// registered without a claim counts as the shell's.
QString firstTaken(const QStringList &files, const QString &appId, Owner *owner);

void claim(const QStringList &files, const Owner &owner);

// The files registered now that no one has claimed: what a library that
// lists no files of its own brought when it loaded.
QStringList unclaimedRegistered();

} // namespace ResourceClaims
