#include "icon_design.h"
#include "icon_render.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace icon {

QImage paint(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Shape& s : shapes(size)) {
        QBrush brush(s.fill);
        if (s.gradient) {
            const QPointF c = s.bounds.center();
            const double r = s.bounds.width() / 2;
            QRadialGradient g(c, r, c + QPointF(s.gradient->focusX * r, s.gradient->focusY * r));
            for (int i = 0; i < 3; ++i) g.setColorAt(s.gradient->stops[i], s.gradient->colours[i]);
            brush = QBrush(g);
        }
        painter.setBrush(brush);
        painter.setPen(s.outline.isValid() ? QPen(s.outline, s.outlineWidth) : QPen(Qt::NoPen));
        switch (s.kind) {
        case Shape::Rect:
            painter.fillRect(s.bounds, brush);
            break;
        case Shape::RoundedRect:
            painter.drawRoundedRect(s.bounds, s.cornerRadius, s.cornerRadius);
            break;
        case Shape::Disc:
            painter.drawEllipse(s.bounds);
            break;
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace icon
