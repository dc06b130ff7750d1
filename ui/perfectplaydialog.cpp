#include "ui/perfectplaydialog.h"

#include "ui/perfectplaybuild.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The bar's steps: the build's work units are 64-bit, the bar's are int.
constexpr int kBarSteps = 1000;

QLabel* TextLine(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    // What the build program says is shown as it is, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* Button(QDialogButtonBox* box, const QString& text, const char* name) {
    QPushButton* button = box->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QString Bytes(std::uint64_t bytes) {
    return QLocale().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeSIFormat);
}

} // namespace

PerfectPlayDialog::PerfectPlayDialog(QWidget* parent, PerfectPlayBuild& build)
    : QDialog(parent), build_(build) {
    setObjectName("perfect_play");
    setWindowTitle(tr("Perfect play"));

    auto* gives = new QLabel(
        "<p><b>" +
        tr("Master never loses and the hint and the review are exact in every position.")
            .toHtmlEscaped() +
        "</b></p><p>" +
        tr("Quarn solves the whole game on this computer, once: about %1 billion positions. It "
           "builds in the background at low priority, so you can play meanwhile. A build that is "
           "paused, cancelled or cut short by the end of Quarn goes on where it stopped.")
            .arg(QLocale().toString(static_cast<double>(kWholeGameCost.positions) / 1e9, 'f', 1))
            .toHtmlEscaped() +
        "</p>");
    gives->setWordWrap(true);
    cost_ = TextLine("cost");
    status_ = TextLine("status");
    bar_ = new QProgressBar;
    bar_->setRange(0, kBarSteps);
    timeLeft_ = TextLine("time_left");

    auto* buttons = new QDialogButtonBox;
    buildButton_ = Button(buttons, tr("Build"), "build");
    pauseButton_ = Button(buttons, tr("Pause"), "pause");
    resumeButton_ = Button(buttons, tr("Resume"), "resume");
    cancelButton_ = Button(buttons, tr("Cancel"), "cancel");
    buttons->addButton(QDialogButtonBox::Close);
    connect(buildButton_, &QPushButton::clicked, &build_, &PerfectPlayBuild::start);
    connect(pauseButton_, &QPushButton::clicked, &build_, &PerfectPlayBuild::pause);
    connect(resumeButton_, &QPushButton::clicked, &build_, &PerfectPlayBuild::resume);
    connect(cancelButton_, &QPushButton::clicked, &build_, &PerfectPlayBuild::cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gives);
    layout->addWidget(cost_);
    layout->addSpacing(fontMetrics().lineSpacing() / 2);
    layout->addWidget(status_);
    layout->addWidget(bar_);
    layout->addWidget(timeLeft_);
    layout->addSpacing(fontMetrics().lineSpacing() / 2);
    layout->addWidget(buttons);
    // As tall as what it shows at the moment: lines come and go with the
    // build's state, and no gap is left where one went.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    gives->setMinimumWidth(fontMetrics().averageCharWidth() * 64);

    connect(&build_, &PerfectPlayBuild::changed, this, &PerfectPlayDialog::follow);
    follow();
}

void PerfectPlayDialog::setWholeGameBuilt(bool built) {
    wholeGameBuilt_ = built;
    follow();
}

QString PerfectPlayDialog::durationText(double seconds) {
    const int minutes = static_cast<int>(std::lround(seconds / 60));
    if (minutes < 1) return tr("less than a minute");
    if (minutes < 120) return tr("about %1 min").arg(minutes);
    return tr("about %1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString PerfectPlayDialog::costText(bool withTime) const {
    const QString folder = QDir::toNativeSeparators(PerfectPlayBuild::folder());
    // The build's own figures once it has given them.
    const QString disk =
        build_.neededBytes() > 0
            ? tr("Disk space: %1 more in %2 (%3 free).")
                  .arg(Bytes(build_.neededBytes()), folder, Bytes(build_.freeBytes()))
            : tr("Disk space: about %1 in %2.").arg(Bytes(kWholeGameCost.bytes), folder);
    if (!withTime) return disk;
    const int cores = std::max(1, QThread::idealThreadCount());
    const double seconds = kWholeGameCost.seconds(cores);
    return disk + '\n' +
           tr("Time: %1 on this computer (%2 cores).").arg(durationText(seconds)).arg(cores);
}

void PerfectPlayDialog::follow() {
    using B = PerfectPlayBuild;
    const B::State state = build_.state();
    const bool going = state == B::Running || state == B::Paused;
    const bool nothingToBuild = wholeGameBuilt_ && (state == B::Idle || state == B::Done);

    // While it builds, the time left says more than the estimate; once
    // built, there is nothing to estimate.
    cost_->setText(costText(!going && !nothingToBuild));
    const QString table = build_.table().isEmpty()
                              ? QString()
                              : ' ' + tr("Last table built: %1.").arg(build_.table());
    switch (state) {
    case B::Idle:
        status_->setText(wholeGameBuilt_ ? tr("Built: Master plays perfectly.")
                                         : tr("Not built yet."));
        break;
    case B::Running:
        status_->setText(build_.solvingPlacing()
                             ? tr("Every table is built. Solving the placing phase from the "
                                  "first move (the last step, %1)...")
                                   .arg(durationText(kWholeGameCost.bookSeconds(
                                       std::max(1, QThread::idealThreadCount()))))
                             : tr("Building...") + table);
        break;
    case B::Paused:
        status_->setText(tr("Paused.") + table);
        break;
    case B::Done:
        // The window opens the new tables once the build has ended.
        status_->setText(wholeGameBuilt_
                             ? tr("Built: Master plays perfectly.")
                             : tr("Built, but the tables found do not cover the whole game."));
        break;
    case B::Failed:
        status_->setText(tr("The build stopped: %1").arg(build_.error()) + '\n' +
                         tr("Nothing built so far is lost: Build goes on from there."));
        break;
    }

    // The placing book says nothing of its progress: the bar only moves.
    const std::uint64_t total = build_.total();
    bar_->setVisible(going || (state == B::Failed && total > 0));
    bar_->setRange(0, build_.solvingPlacing() ? 0 : kBarSteps);
    bar_->setValue(total > 0 ? static_cast<int>(build_.done() * kBarSteps / total) : 0);
    const double left = build_.secondsLeft();
    timeLeft_->setVisible(going && !build_.solvingPlacing());
    timeLeft_->setText(left >= 0 ? tr("Time left: %1.").arg(durationText(left))
                                 : tr("Time left: measuring..."));

    buildButton_->setVisible(!going && !nothingToBuild);
    pauseButton_->setVisible(state == B::Running);
    resumeButton_->setVisible(state == B::Paused);
    cancelButton_->setVisible(going);
}
