// The board view cuts tiles and pieces out of the compiled-in images by fixed
// coordinates. These tests decode the images as it does and check that each
// coordinate shows what the view expects there, at 1x and at 2x.
#include "quarn_images.h"

#include <QImage>
#include <QtTest>

#include <cmath>
#include <cstddef>
#include <cstring>

namespace {

template <std::size_t N> QImage decode(const unsigned char (&data)[N]) {
    return QImage::fromData(data, static_cast<int>(N));
}

QImage board(int scale) {
    return scale == 1 ? decode(board_data_) : decode(board_data_2x_);
}
QImage pieces(int scale) {
    return scale == 1 ? decode(pieces_data_) : decode(pieces_data_2x_);
}

// What a board pixel shows; a point's rim and glow are Other.
enum class Look { Background, Line, Point, Other };

Look lookOf(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r == 172 && g == 170 && b == 96) return Look::Background;
    if (r >= 105 && r <= 155 && g >= 105 && g <= 155 && b >= 35 && b <= 81) return Look::Line;
    if (r >= 235 && g >= 235 && b >= 215) return Look::Point;
    return Look::Other;
}

// Index id - 1 for tile id: a point at the centre?, the edges (Up, Down,
// Left, Right) its lines run to.
struct TileLayout {
    bool point;
    const char* lines;

    bool toward(char edge) const { return std::strchr(lines, edge) != nullptr; }
};
constexpr TileLayout tiles[12] = {
    {true, "RD"},  {false, "LR"}, {true, "LRD"}, {true, "LD"}, {false, "UD"}, {true, "UDLR"},
    {true, "LRU"}, {true, "UDR"}, {true, "UDL"}, {true, "UR"}, {true, "UL"},  {false, ""},
};

QPoint tileOrigin(int id, int scale) {
    return QPoint((id - 1) % 4 * 32 * scale, (id - 1) / 4 * 32 * scale);
}

void addScales() {
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

} // namespace

class ImagesTest : public QObject {
    Q_OBJECT

private slots:
    void imagesHaveTheirSizesAndFormats();
    void everyTileShowsItsLinesAndPoint_data() { addScales(); }
    void everyTileShowsItsLinesAndPoint();
    void linesCrossEveryTileEdgeOnTheSameBand_data() { addScales(); }
    void linesCrossEveryTileEdgeOnTheSameBand();
    void lineEdgesAreSharpAtDoubleSize();
    void piecesAreDiscsCentredInTheirCells_data() { addScales(); }
    void piecesAreDiscsCentredInTheirCells();
    void doubleSizeImagesRepeatTheLayout();
};

void ImagesTest::imagesHaveTheirSizesAndFormats() {
    for (int scale : {1, 2}) {
        const QImage b = board(scale), p = pieces(scale);
        QCOMPARE(b.size(), QSize(128, 96) * scale);
        QCOMPARE(p.size(), QSize(160, 64) * scale);
        // The tile sheet is a palette image without transparency: the view
        // copies tiles over the whole grid and nothing may show through.
        QCOMPARE(b.format(), QImage::Format_Indexed8);
        QVERIFY(!b.hasAlphaChannel());
        for (QRgb c : b.colorTable()) QCOMPARE(qAlpha(c), 255);
        QVERIFY(p.hasAlphaChannel());
    }
}

void ImagesTest::everyTileShowsItsLinesAndPoint() {
    QFETCH(int, scale);
    const QImage sheet = board(scale);
    const int last = 32 * scale - 1, mid = 16 * scale - 1;
    for (int id = 1; id <= 12; ++id) {
        const TileLayout& t = tiles[id - 1];
        const QPoint o = tileOrigin(id, scale);
        const auto look = [&](int x, int y) { return lookOf(sheet.pixel(o.x() + x, o.y() + y)); };
        const auto expected = [](bool line) { return line ? Look::Line : Look::Background; };
        QCOMPARE(look(mid, 0), expected(t.toward('U')));
        QCOMPARE(look(mid, last), expected(t.toward('D')));
        QCOMPARE(look(0, mid), expected(t.toward('L')));
        QCOMPARE(look(last, mid), expected(t.toward('R')));
        for (int x : {mid, mid + 1})
            for (int y : {mid, mid + 1}) {
                const Look centre = look(x, y);
                if (t.point)
                    QCOMPARE(centre, Look::Point);
                else
                    QCOMPARE(centre, *t.lines ? Look::Line : Look::Background);
            }
    }
}

// Along each edge of each tile the line pixels are either none or exactly the
// band 14..17 (28..35 at 2x), so any two tiles placed side by side join.
void ImagesTest::linesCrossEveryTileEdgeOnTheSameBand() {
    QFETCH(int, scale);
    const QImage sheet = board(scale);
    const int size = 32 * scale, first = 14 * scale, end = 18 * scale;
    for (int id = 1; id <= 12; ++id) {
        const TileLayout& t = tiles[id - 1];
        const QPoint o = tileOrigin(id, scale);
        const struct {
            bool line;
            int x, y, dx, dy;
        } edges[] = {{t.toward('U'), 0, 0, 1, 0},
                     {t.toward('D'), 0, size - 1, 1, 0},
                     {t.toward('L'), 0, 0, 0, 1},
                     {t.toward('R'), size - 1, 0, 0, 1}};
        for (const auto& e : edges)
            for (int i = 0; i < size; ++i) {
                const QRgb c = sheet.pixel(o.x() + e.x + i * e.dx, o.y() + e.y + i * e.dy);
                const bool inBand = e.line && i >= first && i < end;
                QCOMPARE(lookOf(c), inBand ? Look::Line : Look::Background);
            }
    }
}

// At 2x the strokes are drawn on device pixels: no blended fringe.
void ImagesTest::lineEdgesAreSharpAtDoubleSize() {
    const QImage sheet = board(2);
    const QRgb background = qRgb(172, 170, 96);
    const QPoint horizontal = tileOrigin(2, 2), vertical = tileOrigin(5, 2);
    for (int along = 0; along < 64; along += 5) {
        QCOMPARE(sheet.pixel(horizontal + QPoint(along, 27)), background);
        QCOMPARE(lookOf(sheet.pixel(horizontal + QPoint(along, 28))), Look::Line);
        QCOMPARE(lookOf(sheet.pixel(horizontal + QPoint(along, 35))), Look::Line);
        QCOMPARE(sheet.pixel(horizontal + QPoint(along, 36)), background);
        QCOMPARE(sheet.pixel(vertical + QPoint(27, along)), background);
        QCOMPARE(lookOf(sheet.pixel(vertical + QPoint(28, along))), Look::Line);
        QCOMPARE(lookOf(sheet.pixel(vertical + QPoint(35, along))), Look::Line);
        QCOMPARE(sheet.pixel(vertical + QPoint(36, along)), background);
    }
}

void ImagesTest::piecesAreDiscsCentredInTheirCells() {
    QFETCH(int, scale);
    const QImage image = pieces(scale).convertToFormat(QImage::Format_ARGB32);
    const int s = scale;
    // Source x 0 is Black, x 32 is White; each has its own average colour.
    const struct {
        int x;
        QColor average;
    } cells[] = {{0, QColor(45, 24, 24)}, {32, QColor(232, 232, 208)}};
    for (const auto& cell : cells) {
        const auto alpha = [&](int x, int y) { return qAlpha(image.pixel(cell.x * s + x, y)); };
        for (int x : {0, 32 * s - 1})
            for (int y : {0, 32 * s - 1}) QCOMPARE(alpha(x, y), 0);
        QCOMPARE(alpha(16 * s, 16 * s), 255);
        // The disc spans pixels 5..26: opaque there on the middle row and
        // column, transparent just beyond.
        const int mid = 16 * s;
        for (int edge : {5 * s, 27 * s - 1}) {
            QVERIFY(alpha(edge, mid) > 0);
            QVERIFY(alpha(mid, edge) > 0);
        }
        for (int beyond : {5 * s - 1, 27 * s}) {
            QCOMPARE(alpha(beyond, mid), 0);
            QCOMPARE(alpha(mid, beyond), 0);
        }

        double sum[3] = {0, 0, 0};
        int opaque = 0;
        for (int y = 0; y < 32 * s; ++y)
            for (int x = 0; x < 32 * s; ++x) {
                const QRgb c = image.pixel(cell.x * s + x, y);
                if (qAlpha(c) != 255) continue;
                sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c);
                ++opaque;
            }
        QVERIFY(opaque > 300 * s * s);
        const QColor average(qRound(sum[0] / opaque), qRound(sum[1] / opaque),
                             qRound(sum[2] / opaque));
        const bool near = std::abs(average.red() - cell.average.red()) < 6 &&
                          std::abs(average.green() - cell.average.green()) < 6 &&
                          std::abs(average.blue() - cell.average.blue()) < 6;
        QVERIFY2(near, qPrintable(QStringLiteral("the disc at x %1 averages %2, %3, %4")
                                      .arg(cell.x)
                                      .arg(average.red())
                                      .arg(average.green())
                                      .arg(average.blue())));
    }
}

// Wherever a 1x pixel lies inside an area of one look (or of one opacity),
// the 2 x 2 pixels that replace it at 2x show the same.
void ImagesTest::doubleSizeImagesRepeatTheLayout() {
    const auto boardLook = [](const QImage& i, int x, int y) { return int(lookOf(i.pixel(x, y))); };
    const auto opacity = [](const QImage& i, int x, int y) {
        const int a = qAlpha(i.pixel(x, y));
        return a == 0 ? 0 : a == 255 ? 2 : 1;
    };
    // Returns where the images first differ, or an empty text; counts the
    // 1x pixels compared.
    const auto compare = [](const QImage& one, const QImage& two, auto classOf, int& checked) {
        for (int y = 1; y + 1 < one.height(); ++y)
            for (int x = 1; x + 1 < one.width(); ++x) {
                const int c = classOf(one, x, y);
                bool uniform = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) uniform &= classOf(one, x + dx, y + dy) == c;
                if (!uniform) continue;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        if (classOf(two, 2 * x + dx, 2 * y + dy) != c)
                            return QStringLiteral("differ at 1x (%1, %2)").arg(x).arg(y);
                ++checked;
            }
        return QString();
    };
    // Most of each image is such an area; the counts guard against a decoding
    // that compares nothing.
    int tiles = 0, discs = 0;
    const QString tileDifference = compare(board(1), board(2), boardLook, tiles);
    QVERIFY2(tileDifference.isEmpty(), qPrintable("tile sheets " + tileDifference));
    QVERIFY(tiles > 128 * 96 * 3 / 4);
    const QString discDifference =
        compare(pieces(1).convertToFormat(QImage::Format_ARGB32),
                pieces(2).convertToFormat(QImage::Format_ARGB32), opacity, discs);
    QVERIFY2(discDifference.isEmpty(), qPrintable("pieces " + discDifference));
    QVERIFY(discs > 160 * 64 * 3 / 4);
}

QTEST_GUILESS_MAIN(ImagesTest)
#include "images_test.moc"
