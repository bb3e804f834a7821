#include "Form1Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <initializer_list>

namespace halvern {

namespace {

const QColor kBlue(0x2b, 0x4f, 0x81);
const QColor kFolder(0xe8, 0xb8, 0x3a);
const QColor kFolderDark(0xb0, 0x80, 0x18);

QPixmap canvas(int size = 16) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

// A closed shape through the given corners, in the painter's pen and brush.
void drawOutline(QPainter& p, std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    p.drawPath(path);
}

void drawFolder(QPainter& p, bool open) {
    p.setPen(QPen(kFolderDark, 1));
    p.setBrush(kFolder);
    drawOutline(p, {{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}});
    if (open) {
        p.setBrush(QColor(0xf6, 0xd8, 0x7a));
        drawOutline(p, {{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}});
    }
}

void drawPage(QPainter& p, bool marked) {
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(marked ? QColor(0xdd, 0xe8, 0xf8) : Qt::white);
    drawOutline(p, {{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}});
    p.setPen(QPen(marked ? kBlue : QColor(0x90, 0x90, 0x90), 1));
    for (int y = 6; y <= 12; y += 2) p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
    if (marked) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd0, 0x30, 0x30));
        p.drawEllipse(QPointF(11.5, 12.0), 3.0, 3.0);
    }
}

void drawPerson(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(7, 5), 3, 3);
    QPainterPath body;
    body.moveTo(1.5, 15);
    body.cubicTo(1.5, 9, 12.5, 9, 12.5, 15);
    body.closeSubpath();
    p.drawPath(body);
}

void drawBadge(QPainter& p, const QColor& c, const QString& sign) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(12, 11), 4, 4);
    p.setPen(QPen(Qt::white, 1.6));
    if (sign == QLatin1String("+")) {
        p.drawLine(QPointF(9.8, 11), QPointF(14.2, 11));
        p.drawLine(QPointF(12, 8.8), QPointF(12, 13.2));
    } else if (sign == QLatin1String("x")) {
        p.drawLine(QPointF(10.4, 9.4), QPointF(13.6, 12.6));
        p.drawLine(QPointF(13.6, 9.4), QPointF(10.4, 12.6));
    } else if (sign == QLatin1String("e")) {
        p.drawLine(QPointF(10, 13), QPointF(14, 9));
    } else if (sign == QLatin1String(">")) {
        p.drawLine(QPointF(9.8, 11), QPointF(14.2, 11));
        p.drawLine(QPointF(12.4, 9.2), QPointF(14.2, 11));
        p.drawLine(QPointF(12.4, 12.8), QPointF(14.2, 11));
    }
}

void drawLens(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 2));
    p.setBrush(QColor(0xe8, 0xf0, 0xfa));
    p.drawEllipse(QPointF(6.5, 6.5), 4.2, 4.2);
    p.setPen(QPen(c.darker(130), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.8, 9.8), QPointF(14, 14));
}

void drawSheet(QPainter& p) {
    p.setPen(QPen(QColor(0x1d, 0x6f, 0x42), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(QColor(0x1d, 0x6f, 0x42), 1));
    for (double y = 5.5; y < 14; y += 3) p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
    p.drawLine(QPointF(6.5, 1.5), QPointF(6.5, 14.5));
    p.fillRect(QRectF(2, 2, 12.5, 3.5), QColor(0x1d, 0x6f, 0x42));
}

}  // namespace

QIcon TreeImage(int index) {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 1: drawFolder(p, false); break;
    case 2: drawPage(p, false); break;
    case 3: drawPage(p, true); break;
    case 4: drawFolder(p, true); break;
    default: break;
    }
    p.end();
    return QIcon(pm);
}

QIcon ToolbarImage(const QString& key) {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (key == QLatin1String("lr")) {
        drawPerson(p, kBlue);
        drawBadge(p, QColor(0x2e, 0x8b, 0x3a), QStringLiteral("+"));
    } else if (key == QLatin1String("de")) {
        drawPerson(p, QColor(0x70, 0x70, 0x70));
        drawBadge(p, QColor(0xc8, 0x28, 0x28), QStringLiteral("x"));
    } else if (key == QLatin1String("sx")) {
        drawPerson(p, kBlue);
        drawBadge(p, QColor(0xe0, 0x8a, 0x10), QStringLiteral("e"));
    } else if (key == QLatin1String("cx")) {
        drawLens(p, kBlue);
    } else if (key == QLatin1String("hcx")) {
        drawLens(p, QColor(0x80, 0x80, 0x80));
    } else if (key == QLatin1String("hhcx")) {
        drawLens(p, QColor(0x2e, 0x8b, 0x3a));
    } else if (key == QLatin1String("hhhcx")) {
        drawLens(p, QColor(0x8a, 0x4a, 0x9a));
    } else if (key == QLatin1String("ygdd")) {
        drawPerson(p, kBlue);
        drawBadge(p, QColor(0x20, 0x80, 0xc0), QStringLiteral(">"));
    } else if (key == QLatin1String("prn")) {
        drawSheet(p);
    }
    p.end();
    return QIcon(pm);
}

QPixmap EmblemPicture() {
    QPixmap pm(120, 36);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(1, 3, 30, 30), 6, 6);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(10, 26));
    p.drawLine(QPointF(10, 26), QPointF(22, 26));
    p.setPen(kBlue);
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(36, 0, 84, 36), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("VARNO"));
    p.end();
    return pm;
}

}  // namespace halvern
