#include "shell/decoration.h"

#include <QLinearGradient>
#include <QPainter>

QImage decoration() {
    // Drawn rather than shipped: a plate on a tablecloth, the size of the original picture.
    QImage image(261, 251, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient nappe(0, 0, 0, 251);
    nappe.setColorAt(0, QColor(128, 255, 128));
    nappe.setColorAt(1, QColor(60, 170, 80));
    p.fillRect(image.rect(), nappe);
    p.setPen(QPen(QColor(200, 200, 200), 3));
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(QPointF(130.5, 125.5), 100, 100);
    p.setBrush(QColor(235, 235, 228));
    p.drawEllipse(QPointF(130.5, 125.5), 70, 70);
    p.setPen(QColor(0, 0, 255));
    QFont police(QStringLiteral("Liberation Serif"), 20, QFont::Bold);
    police.setItalic(true);
    p.setFont(police);
    p.drawText(QRectF(30, 95, 201, 60), Qt::AlignCenter, QStringLiteral("Recettes"));
    return image;
}
