#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// The build's check of an app's record (the JSON file that veltra_add_app()
// embeds as the plug-in's "MetaData"): the host's own checks (AppRecord) and
// the keys every app needs, each problem placed at a line and column of the
// file, so that a mistake stops the build instead of hiding the app.
namespace RecordCheck {

struct Problem
{
    int line = 1;
    int column = 1;
    QString message;
};

struct Result
{
    QList<Problem> problems;
    // The record, when the text is a JSON object.
    QJsonObject record;
    bool parsed = false;
};

// The key the build adds to the record: the app's resource files, which the
// host compares with those of the apps it has already loaded.
inline const char *resourceFilesKey() { return "resourceFiles"; }

// `qmlNames` are the file names of the app's QML files (qmlUrl must be one).
Result check(const QByteArray &json, const QStringList &qmlNames);

// Line and column (both from 1) of byte `offset` in `text`.
Problem at(const QByteArray &text, int offset, const QString &message);

} // namespace RecordCheck
