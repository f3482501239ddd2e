#pragma once

#include <QObject>
#include <QStringList>
#include <QTcpServer>

namespace veltra::test {

// A web server on 127.0.0.1 for tests that show that nothing is fetched: it
// records the path of every request it receives and answers each with the
// same PNG picture. A test asks for a control URL after the one it checks,
// waits until the control has arrived, and then looks at what else did.
class HttpProbe : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int port READ port CONSTANT)
    Q_PROPERTY(QStringList paths READ paths NOTIFY pathsChanged)
public:
    explicit HttpProbe(const QByteArray &picture, QObject *parent = nullptr);

    // The port it listens on (picked on first use), 0 when it could not listen.
    int port();
    QStringList paths() const { return m_paths; }
    Q_INVOKABLE void clear();

signals:
    void pathsChanged();

private:
    void accept();

    QByteArray m_picture;
    QTcpServer m_server;
    QStringList m_paths;
};

} // namespace veltra::test
