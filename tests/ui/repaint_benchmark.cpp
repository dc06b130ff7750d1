// What a repaint of a board filling a screen of 3840 x 2160 device pixels
// costs at each device pixel ratio, once its pictures are drawn. Built with
// the tests but not run by them: run it alone to see the figures, with
// -tickcounter or -callgrind for other measures.

#include "support/dense_screens.h"

#include <QPixmap>

class RepaintBenchmark : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMillTab(); }

    void aRepaintOfAFullScreenBoard_data() {
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 2.0, 1.25, 1.5})
            QTest::newRow(qPrintable(QString::number(ratio))) << ratio;
    }
    void aRepaintOfAFullScreenBoard() {
        QFETCH(qreal, ratio);
        Probe w(ratio);
        w.resize(qRound(3840 / ratio), qRound(2160 / ratio));
        setPieces();
        // Drawn into a picture of the screen's size rather than the
        // offscreen platform's window, which is clipped to its small screen.
        QPixmap screen(3840, 2160);
        screen.setDevicePixelRatio(ratio);
        w.render(&screen);
        QBENCHMARK {
            w.render(&screen);
        }
    }
};

int main(int argc, char** argv) {
    return RunOnDenseScreens<RepaintBenchmark>(argc, argv);
}

#include "repaint_benchmark.moc"
