#include "icon_design.h"
#include "icon_render.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace icon {

namespace {

QString number(double v) {
    return QString::number(v, 'g', 6);
}

QString colour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

// The fill and outline attributes shared by every kind of shape; `fill` is a
// colour or a reference to a gradient.
QString paintAttributes(const Shape& s, const QString& fill) {
    QString a = QStringLiteral(" fill=\"%1\"").arg(fill);
    if (s.outline.isValid())
        a += QStringLiteral(" stroke=\"%1\" stroke-opacity=\"%2\" stroke-width=\"%3\"")
                 .arg(colour(s.outline), number(s.outline.alphaF()), number(s.outlineWidth));
    return a;
}

// A gradient in the units of the disc's bounding box, so that one definition
// serves every stone of its kind and matches the painter's radial gradient of
// the same relative centre, radius and focus.
QString gradientDefinition(const Gradient& g) {
    QString d =
        QStringLiteral("    <radialGradient id=\"%1\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\" fx=\"%2\" "
                       "fy=\"%3\">\n")
            .arg(QLatin1String(g.name), number(0.5 + g.focusX / 2), number(0.5 + g.focusY / 2));
    for (int i = 0; i < 3; ++i)
        d += QStringLiteral("      <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                 .arg(number(g.stops[i]), colour(g.colours[i]));
    return d + QStringLiteral("    </radialGradient>\n");
}

} // namespace

QByteArray svg() {
    const std::vector<Shape> list = shapes(svgSize);
    QString body, defs;
    std::vector<const Gradient*> defined;
    for (const Shape& s : list) {
        QString fill = colour(s.fill);
        if (s.gradient) {
            if (std::find(defined.begin(), defined.end(), s.gradient) == defined.end()) {
                defined.push_back(s.gradient);
                defs += gradientDefinition(*s.gradient);
            }
            fill = QStringLiteral("url(#%1)").arg(QLatin1String(s.gradient->name));
        }
        switch (s.kind) {
        case Shape::Rect:
        case Shape::RoundedRect:
            body += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                        .arg(number(s.bounds.x()), number(s.bounds.y()), number(s.bounds.width()),
                             number(s.bounds.height()));
            if (s.kind == Shape::RoundedRect)
                body += QStringLiteral(" rx=\"%1\"").arg(number(s.cornerRadius));
            body += paintAttributes(s, fill) + QStringLiteral("/>\n");
            break;
        case Shape::Disc:
            body += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>\n")
                        .arg(number(s.bounds.center().x()), number(s.bounds.center().y()),
                             number(s.bounds.width() / 2), paintAttributes(s, fill));
            break;
        }
    }
    const QString document =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                       "viewBox=\"0 0 %1 %1\">\n"
                       "  <title>Quarn</title>\n"
                       "  <defs>\n%2  </defs>\n%3</svg>\n")
            .arg(svgSize)
            .arg(defs, body);
    return document.toUtf8();
}

} // namespace icon
