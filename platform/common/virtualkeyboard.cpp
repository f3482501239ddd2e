#include "virtualkeyboard.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace {

bool isPrintable(int key)
{
    return key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde;
}

} // namespace

VirtualKeyboard::VirtualKeyboard(QObject *parent)
    : QObject(parent)
{
}

QString VirtualKeyboard::keyToString(int key) const
{
    if (isPrintable(key))
        return QString(QChar(key));
    if (key == 0)
        return {};
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

int VirtualKeyboard::keyFromString(const QString &text) const
{
    if (text.size() == 1) {
        const QChar c = text.at(0).toUpper();
        if (c.unicode() >= Qt::Key_Space && c.unicode() <= Qt::Key_AsciiTilde)
            return c.unicode();
        return 0;
    }
    if (text.isEmpty())
        return 0;
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    return sequence.count() == 1 ? sequence[0] : 0;
}

void VirtualKeyboard::emitKey(int key)
{
    QString text;
    if (isPrintable(key))
        text = QString(QChar(key)).toLower();
    send(key, text);
}

void VirtualKeyboard::emitText(const QString &text)
{
    for (const QChar c : text)
        send(keyFromString(QString(c)), QString(c));
}

void VirtualKeyboard::send(int key, const QString &text)
{
    QObject *target = QGuiApplication::focusObject();
    if (!target) {
        qDebug() << "VirtualKeyboard::send() no item has the focus; dropped" << key << text;
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}
