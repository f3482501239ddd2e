#include "zelsound.h"

#include <QDebug>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

ZELSound::ZELSound(const QString &path, bool loop, int volume, QObject *parent)
    : QObject(parent)
    , m_path(path)
    , m_loop(loop)
    , m_volume(qBound(0, volume, 100))
{
}

ZELSound::~ZELSound() = default;

void ZELSound::play()
{
    if (!QFileInfo(m_path).isFile()) {
        qDebug() << "ZELSound::play() no sound file" << m_path;
        return;
    }
    if (!m_effect) {
        m_effect = new QSoundEffect(this);
        m_effect->setSource(QUrl::fromLocalFile(m_path));
        m_effect->setLoopCount(m_loop ? QSoundEffect::Infinite : 1);
        m_effect->setVolume(m_volume / 100.0);
    }
    m_effect->play();
}
