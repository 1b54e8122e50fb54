#include "icons.h"

#include "programinfo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orve::ui {

QIcon glyphIcon(const QString& glyph, const QColor& tile)
{
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
        painter.fillPath(path, tile);
        painter.setPen(tile.darker(140));
        painter.drawPath(path);
        QFont font;
        font.setPixelSize(int(size * (glyph.size() > 1 ? 0.45 : 0.7)));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon programIcon()
{
    return QIcon::fromTheme(QStringLiteral("orve"), QIcon(QStringLiteral(":/icons/orve.svg")));
}

QPixmap programPicture(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(20, 70, 140));
    gradient.setColorAt(1, QColor(40, 150, 170));
    painter.fillRect(pixmap.rect(), gradient);

    // A faint timetable in the background.
    painter.setPen(QColor(255, 255, 255, 40));
    const int cell = std::max(size.width() / 16, 8);
    for (int x = cell / 2; x < size.width(); x += cell)
        painter.drawLine(x, 0, x, size.height());
    for (int y = cell / 2; y < size.height(); y += cell)
        painter.drawLine(0, y, size.width(), y);

    QFont title;
    title.setPixelSize(std::max(size.height() / 7, 10));
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect().adjusted(0, 0, 0, -size.height() / 6), Qt::AlignCenter,
                     programTitle().trimmed());
    QFont subtitle;
    subtitle.setPixelSize(std::max(size.height() / 16, 8));
    painter.setFont(subtitle);
    painter.setPen(QColor(230, 240, 250));
    painter.drawText(pixmap.rect().adjusted(0, size.height() / 4, 0, 0), Qt::AlignCenter,
                     QStringLiteral(u"全校课程表 · 自动排课 · 手动调整"));
    return pixmap;
}

} // namespace orve::ui
