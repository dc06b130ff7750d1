// The kept side of the main window: the game in progress written to the
// store after every move and restored at the next start, games saved to and
// opened from game records, the move list that follows the game, and the
// line that tells what could not be written.

#include "ui/quarn.h"

#include "engine/record.h"
#include "engine/text.h"
#include "platform/popupmenu.h"
#include "platform/safefile.h"
#include "ui/boardgeometry.h"
#include "ui/boardwidget.h"
#include "ui/gamereview.h"
#include "ui/gamesession.h"
#include "ui/movelist.h"

#include <QDate>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>

#include <algorithm>
#include <string_view>

namespace {

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

const char* const kSuffix = "quarn";

// Text from a file (its name, a word of it, why it failed) as the window
// may show it: characters that would not be seen, or that would turn the line
// around (U+202E, U+2028, a byte-order mark, control characters...), are
// written out as their code, as quarn-engine writes them.
QString shown(const QString& text) {
    return QString::fromStdString(Shown(text.toStdString()));
}

QString shownPath(const QString& path) {
    return shown(QDir::toNativeSeparators(path));
}

} // namespace

void Quarn::gameChanged() {
    // A review is of the moves it was given; other moves end it, and end
    // what the last one found.
    if (session->changedFrom() < reviewedMoves || session->played() != reviewedMoves) {
        if (review->running()) stopReview();
        reviewLine->hide();
    }
    const bool ended = session->ended();
    if (session->moves().empty()) gameCounted = false; // a new game
    if (ended && !endedBefore && !takingGame) {
        keepFinishedGame();
        countFinishedGame();
    }
    endedBefore = ended;
    showGameMenuState();
    // Every move is kept as soon as it is made, the computer's included
    // (also the one it makes at once on a restored game, with nothing
    // settling after it), so that a window ended at any moment loses none.
    keepGame();
}

void Quarn::showGameMenuState() {
    // The board takes Resign and Hint while the user is to move and no
    // capture is pending; Undo and Redo only with no piece picked either, and Undo
    // also once the game has ended; none of them while a move of the game
    // is browsed.
    const bool ended = session->ended();
    const bool browsing = boardWidget->browsing();
    const Move& picked = session->currentMove();
    const bool usersMove =
        !ended && !browsing && session->humanPlays(session->position().next) && picked.end < 0;
    const bool usersTurn = usersMove && picked.start < 0;
    gameMenu->setItemEnabled(undoId, session->canUndo() && !browsing && (usersTurn || ended));
    gameMenu->setItemEnabled(redoId, session->canRedo() && usersTurn);
    gameMenu->setItemEnabled(claimId, session->canClaimDraw());
    gameMenu->setItemEnabled(resignId, usersMove);
    gameMenu->setItemEnabled(hintId, usersMove);
    gameMenu->setItemEnabled(pauseId, session->players() == GameSession::Demo && !ended);
}

void Quarn::keepFinishedGame() {
    const std::optional<std::string> text = WriteGameRecord(session->record(false));
    if (!text) return;
    const QByteArray bytes(text->data(), static_cast<qsizetype>(text->size()));
    // Undo after the end and the same last move again end the same game.
    if (bytes == lastFinished) return;
    if (recent.add(bytes)) lastFinished = bytes;
}

void Quarn::analyseGame() {
    reviewedMoves = session->played();
    const std::vector<Move>& all = session->moves();
    const std::vector<Move> played(all.begin(), all.begin() + reviewedMoves);
    if (!lastNotes.isEmpty() && played == lastReviewed) return reviewDone(lastNotes);
    Board initial;
    initial.Init();
    moveList->setNotes({});
    if (!reviewProgress) {
        reviewProgress = new QProgressDialog(this);
        reviewProgress->setObjectName("review_progress");
        reviewProgress->setWindowTitle(tr("Analyse Game"));
        reviewProgress->setLabelText(tr("Looking for the moves that threw a value away..."));
        reviewProgress->setWindowModality(Qt::NonModal);
        reviewProgress->setMinimumDuration(0);
        reviewProgress->setAutoClose(false);
        reviewProgress->setAutoReset(false);
        connect(reviewProgress, &QProgressDialog::canceled, this, &Quarn::stopReview);
        connect(review, &GameReview::progressed, reviewProgress, [this](int done, int total) {
            reviewProgress->setMaximum(total);
            reviewProgress->setValue(done);
        });
    }
    reviewProgress->setMaximum(reviewedMoves + 1);
    reviewProgress->setValue(0);
    reviewProgress->show();
    review->start(initial, played, &session->tables());
}

void Quarn::reviewDone(const QStringList& notes) {
    const std::vector<Move>& all = session->moves();
    lastReviewed.assign(all.begin(), all.begin() + reviewedMoves);
    lastNotes = notes;
    moveList->setNotes(notes);
    if (reviewProgress) reviewProgress->hide();
    const auto marked = std::count_if(notes.begin(), notes.end(),
                                      [](const QString& note) { return !note.isEmpty(); });
    reviewLine->setText(tr("Moves that threw a value away: %1").arg(marked));
    reviewLine->show();
}

void Quarn::stopReview() {
    review->cancel();
    if (reviewProgress) reviewProgress->hide();
}

void Quarn::keepGame() {
    if (!keeping) return;
    // A game longer than a record may hold cannot be kept, and is told as
    // any other write that fails.
    const std::optional<std::string> text = WriteGameRecord(session->record(true));
    const QByteArray bytes =
        text ? QByteArray(text->data(), static_cast<qsizetype>(text->size())) : QByteArray();
    if (text && bytes == kept) return;
    // A store that cannot be written now is tried again after the next turn;
    // the user hears of it once, until it can be written again.
    const bool written = text && store.write(bytes);
    if (written) kept = bytes;
    if (written == !gameUnkept) return;
    gameUnkept = !written;
    showWriteProblems();
}

QString Quarn::writeProblems() const {
    QStringList lines;
    if (gameUnkept)
        lines << tr("The game in progress cannot be kept in %1; Quarn tries again after every "
                    "move.")
                     .arg(shownPath(store.path()));
    if (settingsUnsaved)
        lines << tr("The settings cannot be saved; Quarn tries again at every change.");
    return lines.join(' ');
}

void Quarn::showWriteProblems() {
    const QString text = writeProblems();
    if (!problemLine) {
        if (text.isEmpty()) return;
        problemLine = new QLabel;
        problemLine->setObjectName("write_problems");
        problemLine->setWordWrap(true);
        statusBar()->addWidget(problemLine, 1);
    }
    problemLine->setText(text);
    statusBar()->setVisible(!text.isEmpty());
}

void Quarn::resumeGame() {
    keeping = true;
    const safefile::Content content = store.read();
    if (content.status == safefile::Content::Absent) return;
    GameRecord r;
    RecordError error;
    if (content.status == safefile::Content::Unusable ||
        !ReadGameRecord(view(content.bytes), r, error)) {
        // Kept for whoever wants to look at it, out of the way of new games;
        // while it cannot be moved, no game is kept over it.
        if (store.setAside().isEmpty()) {
            keeping = false;
            gameUnkept = true;
            showWriteProblems();
        }
        return;
    }
    kept = content.bytes;
    // Resumed as it was closed, in its own colour and at its own level (the
    // settings follow), or in those of the settings when the record does
    // not say.
    takeGame(r);
}

void Quarn::takeGame(const GameRecord& r) {
    if (r.level >= 0) session->setLevel(r.level);
    const bool endedInRecord =
        r.result != GameResult::None || SideToMoveHasLost(CurrentPosition(r));
    takingGame = true;
    boardWidget->restoreGame(r);
    takingGame = false;
    endedBefore = session->ended();
    // A game that had ended is not counted again; one that the computer's
    // move ended just now is; one that goes on is counted when it ends.
    gameCounted = endedInRecord;
    if (endedBefore) countFinishedGame();
    showSettings();
    writeConfig();
}

QString Quarn::problemText(const RecordError& e) {
    const QString word = QString::fromStdString(e.word); // already shown by the reader
    switch (e.problem) {
    case RecordProblem::TooLong:
        return tr("The file is too large to be a game record.");
    case RecordProblem::NotText:
        return tr("Line %1 holds something that is not text.").arg(e.line);
    case RecordProblem::UnknownWord:
        return tr("Line %1: \"%2\" is not a move.").arg(e.line).arg(word);
    case RecordProblem::IllegalMove:
        return tr("Line %1: the move %2 cannot be played there.").arg(e.line).arg(word);
    case RecordProblem::AfterEnd:
        return tr("Line %1: the move %2 comes after the end of the game.").arg(e.line).arg(word);
    case RecordProblem::BadValue:
        return tr("Line %1: \"%2\" cannot be read.").arg(e.line).arg(word);
    case RecordProblem::TooManyMoves:
        return tr("Line %1: a game record holds at most %2 moves.")
            .arg(e.line)
            .arg(kMaxRecordPlies);
    }
    return {};
}

bool Quarn::openGame(const QString& path) {
    GameRecord r;
    QString why;
    const QFileInfo info(path);
    if (info.isFile() && info.size() > static_cast<qint64>(kMaxRecordBytes)) {
        why = problemText({0, RecordProblem::TooLong, {}});
    } else {
        const safefile::Content content = safefile::read(path, kMaxRecordBytes);
        RecordError error;
        if (content.status != safefile::Content::Read)
            why = tr("The file cannot be read.");
        else if (!ReadGameRecord(view(content.bytes), r, error))
            why = problemText(error);
    }
    if (!why.isEmpty()) {
        QMessageBox::warning(this, tr("Open Game"),
                             tr("%1 is not a game that Quarn can open.").arg(shownPath(path)) +
                                 "\n\n" + why);
        return false;
    }
    if (!mayAbandon()) return false;

    // The user takes the colour and the level played in the record, and
    // keeps them.
    takeGame(r);
    return true;
}

bool Quarn::saveGame(const QString& path) {
    const std::optional<std::string> text = WriteGameRecord(session->record(false));
    QString why;
    if (!text)
        why = tr("A game record holds at most %1 moves.").arg(kMaxRecordPlies);
    else if (safefile::write(path, QByteArray(text->data(), static_cast<qsizetype>(text->size())),
                             static_cast<qint64>(kMaxRecordBytes), &why))
        return true;
    QString message = tr("The game could not be saved to %1.").arg(shownPath(path));
    if (!why.isEmpty()) message += "\n\n" + shown(why);
    QMessageBox::warning(this, tr("Save Game"), message);
    return false;
}

void Quarn::answerCall(const QString& path) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (!path.isEmpty()) openGame(path);
}

QString Quarn::gamesFolder(bool make) const {
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) return lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString games = QDir(documents).filePath("Quarn");
    if (make) QDir().mkpath(games);
    return QFileInfo(games).isDir() ? games : documents;
}

void Quarn::rememberFolder(const QString& path) {
    lastFolder = QFileInfo(path).absolutePath();
    writeConfig();
}

void Quarn::chooseGameToOpen() {
    // The folder alone, so that no file name stands ready in the dialog.
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Game"), gamesFolder(false) + '/',
        tr("Quarn games (*.%1)").arg(kSuffix) + ";;" + tr("All files (*)"));
    if (!path.isEmpty() && openGame(path)) rememberFolder(path);
}

void Quarn::chooseFileToSave() {
    const QString suggested =
        QDir(gamesFolder(true))
            .filePath(
                QString("quarn-%1.%2").arg(QDate::currentDate().toString(Qt::ISODate), kSuffix));
    QString path = QFileDialog::getSaveFileName(this, tr("Save Game"), suggested,
                                                tr("Quarn games (*.%1)").arg(kSuffix));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QString(".") + kSuffix;
    if (saveGame(path)) rememberFolder(path);
}

void Quarn::placeMoveList() {
    // The list takes a fifth of the window's width, between its own
    // preferred width and twice that. It stands beside the board when the
    // board keeps the cell it would have without the list, else below it
    // when the board keeps its cell there, else it waits until there is room.
    const int high = height() - (menuBar() ? menuBar()->height() : 0);
    const int cellAlone = LayoutFor(width(), high).cell;
    const QSize preferred = moveList->sizeHint();
    const int wide = std::clamp(width() / 5, preferred.width(), 2 * preferred.width());
    const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    // The board keeps its cell in w x h when it has that cell there with
    // room for its margins, also at the smallest cell.
    const auto keeps = [cellAlone](int w, int h) {
        const BoardLayout l = LayoutFor(w, h);
        return l.cell == cellAlone && (kGridCells + 2) * l.cell <= std::min(w, h - l.strip);
    };
    Qt::DockWidgetArea area = Qt::NoDockWidgetArea;
    if (showMoveList && keeps(width() - wide - separator, high))
        area = Qt::RightDockWidgetArea;
    else if (showMoveList && keeps(width(), high - preferred.height() - separator))
        area = Qt::BottomDockWidgetArea;
    if (area == Qt::NoDockWidgetArea) {
        moveListDock->hide();
        return;
    }
    if (area == Qt::RightDockWidgetArea) {
        moveListDock->setMinimumHeight(0);
        moveListDock->setMaximumHeight(QWIDGETSIZE_MAX);
        moveListDock->setFixedWidth(wide);
    } else {
        moveListDock->setMinimumWidth(0);
        moveListDock->setMaximumWidth(QWIDGETSIZE_MAX);
        moveListDock->setFixedHeight(preferred.height());
    }
    if (dockWidgetArea(moveListDock) != area) addDockWidget(area, moveListDock);
    moveListDock->show();
}

void Quarn::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeMoveList();
}
