#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

// The screens a fit run saw, laid out on one picture for a reviewer: each
// screen under its name, four to a row, the locale in the heading.
class ContactSheet : public QObject
{
    Q_OBJECT
public:
    // `path` is where save() writes the sheet (nothing is written without one).
    ContactSheet(const QString &locale, const QString &path, QObject *parent = nullptr);

    // Adds a screen: `image` is an ItemGrabResult's image. Returns false for
    // anything that is not a non-empty image.
    Q_INVOKABLE bool add(const QString &title, const QVariant &image);
    int count() const { return m_screens.size(); }

    QImage compose() const;
    // Writes the sheet; needs the application still running (it draws text).
    Q_INVOKABLE bool save() const;

private:
    struct Screen
    {
        QString title;
        QImage image;
    };
    QString m_locale;
    QString m_path;
    QList<Screen> m_screens;
};
