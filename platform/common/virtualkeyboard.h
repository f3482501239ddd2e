#pragma once

#include "common_global.h"

#include <QObject>
#include <QString>

// Delivers on-screen key presses to whatever item has the keyboard focus, as
// real key events, so text fields edit, select and validate as with a keyboard.
class COMMON_EXPORT VirtualKeyboard : public QObject
{
    Q_OBJECT
public:
    explicit VirtualKeyboard(QObject *parent = nullptr);

    // A press and a release of `key` (a Qt key code), carrying its text for
    // printable keys (letters in lower case).
    Q_INVOKABLE void emitKey(int key);
    // Types `text` into the focused item, one character at a time.
    Q_INVOKABLE void emitText(const QString &text);

    // The text a key stands for: "1" for Qt.Key_1, "." for Qt.Key_Period; a
    // name such as "Backspace" for keys that type nothing.
    Q_INVOKABLE QString keyToString(int key) const;
    // The key code for a text: Qt.Key_Period for ".", Qt.Key_Comma for ",",
    // Qt.Key_A for "a" or "A"; 0 for a text no key stands for.
    Q_INVOKABLE int keyFromString(const QString &text) const;

private:
    void send(int key, const QString &text);
};
