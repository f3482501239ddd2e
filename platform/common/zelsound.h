#pragma once

#include "common_global.h"

#include <QObject>
#include <QString>

class QSoundEffect;

// Plays a WAV file. `loop` repeats it until the object is destroyed; `volume`
// runs from 0 (silent) to 100. A missing file or a machine without audio
// output plays nothing; both are logged.
class COMMON_EXPORT ZELSound : public QObject
{
    Q_OBJECT
public:
    ZELSound(const QString &path, bool loop, int volume, QObject *parent = nullptr);
    ~ZELSound() override;

    void play();
    QString path() const { return m_path; }

private:
    QString m_path;
    bool m_loop;
    int m_volume;
    QSoundEffect *m_effect = nullptr;
};
