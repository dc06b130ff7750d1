#include "palette.h"

#include <map>
#include <stdexcept>
#include <string>

QImage toIndexed(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> index;
    QList<QRgb> table;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xff000000u;
            if (index.try_emplace(c, static_cast<int>(table.size())).second) table.append(c);
        }
    if (table.size() > 256)
        throw std::runtime_error("picture has " + std::to_string(table.size()) +
                                 " colours, more than a palette holds");

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        uchar* row = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            row[x] = static_cast<uchar>(index[rgb.pixel(x, y) | 0xff000000u]);
    }
    return indexed;
}
