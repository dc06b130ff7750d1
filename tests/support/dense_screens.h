// The board on dense screens: the program runs on five virtual screens side
// by side with device pixel ratios 1, 2, 1.25, 3 and 1.5, so that one widget
// can be drawn at each ratio and moved from one screen to another. Shared by
// the tests of dense screens and the benchmark of their repaints.
#pragma once

#include "engine/game.h"
#include "support/board_taps.h"
#include "support/positions.h"
#include "support/test_session.h"
#include "ui/boardwidget.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// A widget of 240 x 266 has its grid's top-left corner at (8, 32).
constexpr int kWidth = 240, kHeight = 266, kLeft = 8, kTop = 32;

// A board of 240 x 266 at a new game, without animations, on the screen of
// `ratio`.
class Probe : public BoardWidget {
public:
    explicit Probe(qreal ratio) : BoardWidget(nullptr, nullptr, {}, Session()) {
        resize(kWidth, kHeight);
        updateAnimations(0);
        updatePlayerColor(0);
        updateLevel(0);
        show();
        moveTo(ratio);
    }
    // Onto the screen of that ratio; the size stays.
    void moveTo(qreal ratio) {
        for (QScreen* s : QGuiApplication::screens())
            if (s->devicePixelRatio() == ratio) move(s->geometry().topLeft() + QPoint(10, 10));
        QTRY_COMPARE(devicePixelRatio(), ratio);
        QVERIFY(QTest::qWaitForWindowExposed(this)); // repaints are ignored until then
    }
    void tap(QPointF at) { Tap(this, at); }
    // The picture in device pixels.
    QImage picture() {
        QImage image = grab().toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        return image;
    }
};

// The position every picture draws: White on a1 and c5, Black on b2.
inline void setPieces() {
    board = Pieces("a1 c5", "b2", 3);
}

// Describes the five screens to the offscreen platform before the
// application starts, and runs the Qt Test object `Test` on them.
template <typename Test> int RunOnDenseScreens(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath("screens.json");
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(R"({"screens": [
            {"name": "one", "x": 0, "y": 0, "width": 1024, "height": 768, "dpr": 1},
            {"name": "two", "x": 1024, "y": 0, "width": 1024, "height": 768, "dpr": 2},
            {"name": "fractional", "x": 2048, "y": 0, "width": 1024, "height": 768, "dpr": 1.25},
            {"name": "three", "x": 3072, "y": 0, "width": 1024, "height": 768, "dpr": 3},
            {"name": "half", "x": 4096, "y": 0, "width": 1024, "height": 768, "dpr": 1.5}]})");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
