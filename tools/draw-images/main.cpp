// quarn-draw-images FOLDER: draws the game's images and icons and writes them
// into FOLDER (the board tiles and pieces, at 1x and 2x) and FOLDER/icons (the
// SVG icon and its PNG sizes). Run by hand after changing a drawing; the
// output is the same bytes on every run.
#include "art/board_sheet.h"
#include "art/pieces.h"
#include "icon_design.h"
#include "icon_render.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <exception>

namespace {

bool savePng(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "quarn-draw-images: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool saveFile(const QByteArray& data, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size() ||
        !file.commit()) {
        std::fprintf(stderr, "quarn-draw-images: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quarn-draw-images FOLDER\n"
                             "Writes board.png, pieces.png, board@2x.png and pieces@2x.png into\n"
                             "FOLDER, and quarn.svg and quarn-SIZE.png into FOLDER/icons.\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "quarn-draw-images: cannot create %s/icons\n", argv[1]);
        return 1;
    }

    try {
        bool ok = savePng(drawBoardSheet(32), folder.filePath(QStringLiteral("board.png")));
        ok &= savePng(drawBoardSheet(64), folder.filePath(QStringLiteral("board@2x.png")));
        ok &= savePng(drawPieces(32), folder.filePath(QStringLiteral("pieces.png")));
        ok &= savePng(drawPieces(64), folder.filePath(QStringLiteral("pieces@2x.png")));
        ok &= saveFile(icon::svg(), folder.filePath(QStringLiteral("icons/quarn.svg")));
        for (int size : icon::pngSizes)
            ok &= savePng(icon::paint(size),
                          folder.filePath(QStringLiteral("icons/quarn-%1.png").arg(size)));
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quarn-draw-images: %s\n", e.what());
        return 1;
    }
}
