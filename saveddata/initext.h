#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class QSettings;

// The keys at the top level of an INI file in the settings class's format,
// each read as the text it holds. The settings class turns a value with an
// unquoted comma into a list ("/data/shots, 2026" comes back as two texts, and
// as "" through toString()); here it stays one text. Escapes, quotes and ";"
// comments are read as the settings class reads them.
namespace IniText {

// Every key of the "[General]" section and before the first section.
QHash<QString, QString> topLevel(const QByteArray &content);

// `key` of `settings` as plain text, `fallback` when absent: the text its
// file holds for the key, or else the value set in memory.
QString value(const QSettings &settings, const QString &key, const QString &fallback = QString());

} // namespace IniText
