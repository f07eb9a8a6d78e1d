#include "install/illustration.h"

#include <QPainter>
#include <QPainterPath>

QImage illustration() {
    // Drawn rather than shipped: a recipe book going down onto a disk.
    QImage image(160, 160, QImage::Format_RGB32);
    image.fill(QColor(128, 255, 128));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(40, 12, 80, 60), 6, 6);
    p.setFont(QFont(QStringLiteral("Liberation Serif"), 12, QFont::Bold));
    p.drawText(QRectF(40, 12, 80, 60), Qt::AlignCenter, QStringLiteral("Recettes"));
    QPainterPath fleche;
    fleche.moveTo(70, 78);
    fleche.lineTo(90, 78);
    fleche.lineTo(90, 96);
    fleche.lineTo(102, 96);
    fleche.lineTo(80, 116);
    fleche.lineTo(58, 96);
    fleche.lineTo(70, 96);
    fleche.closeSubpath();
    p.setBrush(QColor(0, 0, 255));
    p.drawPath(fleche);
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(24, 122, 112, 28), 5, 5);
    p.setBrush(QColor(0, 200, 0));
    p.drawEllipse(QPointF(122, 136), 4, 4);
    return image;
}
