// The board on dense screens: one widget drawn at each device pixel ratio
// and moved from one screen to another.
//
// At ratio 2 the board shows the pictures drawn at twice the resolution,
// pixel for pixel, not the 1x pictures enlarged; at ratio 1 it is exactly the
// picture of the 1x sheets.

#include "quarn_images.h"
#include "support/dense_screens.h"

#include <QPainter>

namespace {

const QColor kKhaki(172, 170, 96);   // the tiles' background
const QColor kSurround(102, 92, 21); // around the grid

// The board as the sheets of `scale` (1 or 2) show it, composed directly in
// device pixels on a widget of 240 x 266: the surround, the 49 tiles and the
// discs of the displayed position, each cell copied from its sheet unscaled.
// Only the board area, below the status strip, is meant for comparison.
QImage sheetPicture(int scale) {
    QPixmap tiles, pieces;
    if (scale == 1) {
        tiles.loadFromData(board_data_, sizeof(board_data_));
        pieces.loadFromData(pieces_data_, sizeof(pieces_data_));
    } else {
        tiles.loadFromData(board_data_2x_, sizeof(board_data_2x_));
        pieces.loadFromData(pieces_data_2x_, sizeof(pieces_data_2x_));
    }
    const int cell = kCellSize * scale;
    QImage picture(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    picture.fill(kSurround);
    QPainter painter(&picture);
    for (int row = 0; row < kGridCells; ++row)
        for (int column = 0; column < kGridCells; ++column) {
            const int tile = BoardMapData[row][column] - 1;
            painter.drawPixmap(QPoint((kLeft + column * 32) * scale, (kTop + row * 32) * scale),
                               tiles, QRect(tile % 4 * cell, tile / 4 * cell, cell, cell));
        }
    for (int point = 0; point < 24; ++point) {
        if (board.board[point] == 0) continue;
        const QPoint corner((kLeft + move2coord[point][1] * 32) * scale,
                            (kTop + move2coord[point][0] * 32) * scale);
        painter.drawPixmap(corner, pieces, QRect(board.board[point] > 0 ? cell : 0, 0, cell, cell));
    }
    return picture;
}

QImage boardArea(const QImage& picture, int scale) {
    return picture.copy(0, kStatusHeight * scale, kWidth * scale,
                        (kHeight - kStatusHeight) * scale);
}

// Aligned 2 x 2 blocks of device pixels inside `area` whose four pixels are
// not all alike: detail finer than a logical pixel. A picture drawn at
// ratio 1 and enlarged twice has none.
int mixedBlocks(const QImage& image, const QRect& area) {
    int mixed = 0;
    for (int y = area.top() & ~1; y < area.bottom(); y += 2)
        for (int x = area.left() & ~1; x < area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                     image.pixel(x + 1, y + 1) != p;
        }
    return mixed;
}

bool olive(const QColor& c) {
    return c.red() >= 112 && c.red() <= 148 && c.green() >= 110 && c.green() <= 148 &&
           c.blue() >= 40 && c.blue() <= 76;
}

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        InitMillTab();
        QCOMPARE(QGuiApplication::screens().size(), 5);
    }

    // At ratio 1 the board is exactly the 1x picture; at 2 every device
    // pixel comes from the 2x sheets. The ratio changes with the screen,
    // without a resize, and the buffer follows it.
    void eachRatioShowsThePictureOfItsSheets() {
        Probe w(1);
        setPieces();
        QImage image = w.picture();
        QCOMPARE(image.size(), QSize(kWidth, kHeight));
        QCOMPARE(boardArea(image, 1), boardArea(sheetPicture(1), 1));
        QCOMPARE(image.pixelColor(2, 100), kSurround);
        QCOMPARE(image.pixelColor(kLeft + 32 + 5, kTop + 5), kKhaki);

        w.moveTo(2);
        w.repaint();
        QCOMPARE(w.size(), QSize(kWidth, kHeight));
        QCOMPARE(w.buffer().size(), QSize(2 * kWidth, 2 * kHeight));
        QCOMPARE(w.buffer().devicePixelRatio(), 2.0);
        image = w.picture();
        QCOMPARE(image.size(), QSize(2 * kWidth, 2 * kHeight));
        QCOMPARE(boardArea(image, 2), boardArea(sheetPicture(2), 2));

        // Same size, same ratio: the buffer stays.
        const qint64 kept = w.buffer().cacheKey();
        QResizeEvent same(w.size(), w.size());
        QApplication::sendEvent(&w, &same);
        QCOMPARE(w.buffer().cacheKey(), kept);

        w.moveTo(1);
        QCOMPARE(boardArea(w.picture(), 1), boardArea(sheetPicture(1), 1));
        QCOMPARE(w.buffer().devicePixelRatio(), 1.0);
    }

    void atRatioTwoLinesDiscsAndTextHaveDeviceDetail() {
        Probe w(2);
        setPieces();
        const QImage image = w.picture();

        // The vertical line of the cell below a1 covers device columns 28 to
        // 35 of the cell; the pixel beside each edge is plain khaki, not a
        // blend of the two, and the stroke's shading changes from one device
        // pixel to the next.
        const int x0 = 2 * kLeft, y0 = 2 * (kTop + 32);
        for (int y = y0; y < y0 + 64; y += 9) {
            QCOMPARE(image.pixelColor(x0 + 27, y), kKhaki);
            QVERIFY(olive(image.pixelColor(x0 + 28, y)));
            QVERIFY(olive(image.pixelColor(x0 + 35, y)));
            QCOMPARE(image.pixelColor(x0 + 36, y), kKhaki);
        }
        QVERIFY(mixedBlocks(image, QRect(x0 + 28, y0, 8, 64)) > 0);

        // The disc on a1: along each diagonal from its centre the rim is one
        // device pixel, which differs from the disc's pixel inside it; an
        // enlarged disc repeats each pixel twice along a diagonal.
        const QPoint centre(2 * (kLeft + 16), 2 * (kTop + 16));
        for (const QPoint step : {QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1), QPoint(-1, -1)}) {
            const QPoint from = centre - QPoint(step.x() < 0, step.y() < 0);
            int k = 0;
            while (k < 32 && image.pixelColor(from + k * step) != kKhaki) ++k;
            QVERIFY(k > 10 && k < 32);
            QVERIFY(image.pixel(from + (k - 1) * step) != image.pixel(from + (k - 2) * step));
        }
        QVERIFY(mixedBlocks(image, QRect(centre - QPoint(24, 24), QSize(48, 48))) > 20);

        // The status text is drawn at the full resolution too.
        QVERIFY(mixedBlocks(image, QRect(14, 0, 200, 2 * kStatusHeight)) > 20);
    }

    // At a fractional ratio the cells come from finer sheets shrunk; the
    // widget, rounded up to whole device pixels, is still covered entirely,
    // whatever the buffer held before.
    void fractionalAndTripleRatiosCoverTheWholeWidget() {
        for (const qreal ratio : {1.25, 3.0}) {
            Probe w(ratio);
            w.resize(241, 267); // a fractional number of device pixels at 1.25
            setPieces();
            w.repaint();
            w.buffer().fill(Qt::magenta);
            w.repaint();
            const QImage drawn = w.picture();
            int left = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    left += drawn.pixel(x, y) == QColor(Qt::magenta).rgb();
            QCOMPARE(left, 0);
            const QImage image = w.picture();
            QCOMPARE(image.pixelColor(qRound(2 * ratio), qRound(100 * ratio)), kSurround);
            QCOMPARE(image.pixelColor(qRound((kLeft + 32 + 5) * ratio), qRound((kTop + 5) * ratio)),
                     kKhaki);
        }
    }

    // Positions of taps are fractional on a scaled screen; the tap belongs
    // to the logical pixel it falls in.
    void fractionalTapsCountInThePixelTheyFallIn() {
        Probe w(2);
        w.start();
        w.tap(QPointF(kLeft - 0.5, kTop + 8.25)); // just left of the grid
        w.tap(QPointF(kLeft + 32.5, kTop + 8));   // the cell right of a1 holds no point
        QCOMPARE(board.plies, 0);
        w.tap(QPointF(kLeft + 31.5, kTop + 31.5)); // the last pixel of a1's cell
        QCOMPARE(board.board[pt("a1")], 1);
    }
};

int main(int argc, char** argv) {
    return RunOnDenseScreens<HiDpiTest>(argc, argv);
}

#include "hidpi_test.moc"
