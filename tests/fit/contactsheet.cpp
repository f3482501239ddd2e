#include "contactsheet.h"

#include <QDebug>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kColumns = 4;
constexpr int kGap = 12;
constexpr int kCaption = 22;
constexpr int kHeading = 34;
} // namespace

ContactSheet::ContactSheet(const QString &locale, const QString &path, QObject *parent)
    : QObject(parent)
    , m_locale(locale)
    , m_path(path)
{
}

bool ContactSheet::add(const QString &title, const QVariant &image)
{
    const QImage picture = image.value<QImage>();
    if (picture.isNull()) {
        qDebug() << "ContactSheet::add() no image for" << title;
        return false;
    }
    m_screens.append({title, picture});
    return true;
}

QImage ContactSheet::compose() const
{
    if (m_screens.isEmpty())
        return {};
    int cellWidth = 0;
    int cellHeight = 0;
    for (const Screen &s : m_screens) {
        cellWidth = std::max(cellWidth, s.image.width());
        cellHeight = std::max(cellHeight, s.image.height());
    }
    const int columns = std::min(kColumns, int(m_screens.size()));
    const int rows = (int(m_screens.size()) + columns - 1) / columns;
    QImage sheet(kGap + columns * (cellWidth + kGap), kHeading + rows * (kCaption + cellHeight + kGap),
                 QImage::Format_RGB32);
    sheet.fill(QColor("#d8d8d8"));
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(kGap, 0, sheet.width() - 2 * kGap, kHeading), Qt::AlignVCenter | Qt::AlignLeft,
                     m_locale);
    font.setPixelSize(14);
    font.setBold(false);
    painter.setFont(font);
    for (int i = 0; i < m_screens.size(); ++i) {
        const int x = kGap + (i % columns) * (cellWidth + kGap);
        const int y = kHeading + (i / columns) * (kCaption + cellHeight + kGap);
        painter.drawText(QRect(x, y, cellWidth, kCaption), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::number(i + 1) + "  " + m_screens[i].title);
        painter.drawImage(x, y + kCaption, m_screens[i].image);
        // The screen's edge, drawn just outside it.
        painter.setPen(QColor("#808080"));
        painter.drawRect(x - 1, y + kCaption - 1, m_screens[i].image.width() + 1, m_screens[i].image.height() + 1);
        painter.setPen(Qt::black);
    }
    return sheet;
}

bool ContactSheet::save() const
{
    if (m_path.isEmpty())
        return true;
    const QImage sheet = compose();
    if (sheet.isNull() || !sheet.save(m_path)) {
        qDebug() << "ContactSheet::save() cannot write" << m_path;
        return false;
    }
    qDebug().noquote() << "ContactSheet::save() wrote" << m_screens.size() << "screens to" << m_path;
    return true;
}
