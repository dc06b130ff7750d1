// Configuration / "Perfect play…": what building the tables of the whole game
// gives and costs, and the build itself, with its progress, the time left and
// Build, Pause, Resume and Cancel. Not modal: the game goes on beside it, and
// closing it leaves the build running.
#pragma once

#include <QDialog>

class PerfectPlayBuild;
class QLabel;
class QProgressBar;
class QPushButton;

class PerfectPlayDialog : public QDialog {
    Q_OBJECT

public:
    PerfectPlayDialog(QWidget* parent, PerfectPlayBuild& build);

    // Whether the tables opened cover the whole game: nothing is left to
    // build.
    void setWholeGameBuilt(bool built);

    // "about 14 min", "about 2 h 05 min": a duration as the dialog says it.
    static QString durationText(double seconds);

private:
    // Shows the build as it stands.
    void follow();
    // The disk space, and the time the whole build takes here if asked.
    QString costText(bool withTime) const;

    PerfectPlayBuild& build_;
    bool wholeGameBuilt_ = false;
    QLabel* cost_;
    QLabel* status_;
    QProgressBar* bar_;
    QLabel* timeLeft_;
    QPushButton* buildButton_;
    QPushButton* pauseButton_;
    QPushButton* resumeButton_;
    QPushButton* cancelButton_;
};
