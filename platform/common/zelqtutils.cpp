#include "zelqtutils.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QTranslator>

namespace ZELQtUtils {

bool setLanguage(const QString &language, const QString &dir, const QString &base, QTranslator *shared,
                 QTranslator *own)
{
    if (shared && shared->isEmpty()) {
        const QString sharedFile = dir + QStringLiteral("/common_") + language + QStringLiteral(".qm");
        if (QFileInfo::exists(sharedFile) && shared->load(sharedFile))
            QCoreApplication::installTranslator(shared);
    }
    if (!own)
        return false;
    const QString file = dir + QLatin1Char('/') + base + QLatin1Char('_') + language + QStringLiteral(".qm");
    if (!QFileInfo::exists(file) || !own->load(file)) {
        qDebug() << "ZELQtUtils::setLanguage() no translation" << file;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace ZELQtUtils
