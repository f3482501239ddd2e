#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

class QQmlEngine;
class QQuickItem;
class QQuickWindow;

// The capture list brought up the way the host brings up an app, for the
// tests and the preview: the real sorvel library loaded with Qt's plug-in
// loader (its QML, picture and translations become resources), its translation
// for one language installed like the host installs it, and the app shown in
// "SorvelShell.qml", a stand-in for the shell's window (the shell itself never
// lists sorvel). Needs a QGuiApplication.
class SorvelSession
{
public:
    explicit SorvelSession(const QString &language = QStringLiteral("en-US"));
    ~SorvelSession();

    // Loads the library (once per process), installs the translation and
    // creates the window with the app in it. On failure returns false and
    // says why in errorString().
    bool open();
    QString errorString() const { return m_error; }

    QQmlEngine *engine() const { return m_engine.get(); }
    QQuickWindow *window() const { return m_window; }
    // The app's root object (the VeltraApp) and the named items of its page.
    QQuickItem *app() const;
    QQuickItem *listView() const;
    QObject *find(const QString &objectName) const;

    static QString libraryPath();

private:
    QString m_language;
    QString m_error;
    QTranslator m_translator;
    bool m_translatorInstalled = false;
    std::unique_ptr<QQmlEngine> m_engine;
    QQuickWindow *m_window = nullptr;
};
