// The two ways the icon's shapes are turned into files.
#pragma once

#include <QByteArray>
#include <QImage>

namespace icon {

// The icon painted at `size` x `size` pixels, anti-aliased, on transparency.
QImage paint(int size);

// The icon as a standalone SVG document with a 256 x 256 view box.
QByteArray svg();

} // namespace icon
