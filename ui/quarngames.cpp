// The kept side of the main window: the game in progress written to the
// store after every turn and restored at the next start, games saved to and
// opened from game records, and the move list that follows the game.

#include "ui/quarn.h"

#include "engine/game.h"
#include "engine/notation.h"
#include "engine/record.h"
#include "platform/safefile.h"
#include "ui/boardwidget.h"
#include "ui/movelist.h"

#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>

#include <string_view>

namespace {

QString now() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

const char* const kSuffix = "quarn";

} // namespace

GameRecord Quarn::record(bool withRedo) const {
    GameRecord r;
    r.userColor = playerColor == 0 ? 1 : -1;
    r.level = level;
    r.played = played.toStdString();
    r.moves = game_moves();
    const int onBoard = game_moves_played();
    if (withRedo)
        r.takenBack = static_cast<int>(r.moves.size()) - onBoard;
    else
        r.moves.resize(onBoard);
    return r;
}

void Quarn::gameChanged(bool waiting) {
    const std::vector<Move> moves = game_moves();
    // A game begins with its first move; until then it is new.
    if (moves.empty()) played = now();
    QStringList texts;
    for (const Move& m : moves) texts << QString::fromStdString(MoveWord(m));
    moveList->setMoves(texts, game_moves_played());
    if (waiting) keepGame();
}

void Quarn::keepGame() {
    if (!keeping) return;
    const std::optional<std::string> text = WriteGameRecord(record(true));
    if (!text) return; // longer than a record may be
    const QByteArray bytes(text->data(), static_cast<qsizetype>(text->size()));
    // A store that cannot be written now is tried again after the next turn.
    if (bytes != kept && store.write(bytes)) kept = bytes;
}

void Quarn::resumeGame() {
    keeping = true;
    const safefile::Content content = store.read();
    if (content.status == safefile::Content::Absent) return;
    GameRecord r;
    RecordError error;
    if (content.status == safefile::Content::Unusable ||
        !ReadGameRecord(view(content.bytes), r, error)) {
        // Kept for whoever wants to look at it, out of the way of new games.
        store.setAside();
        return;
    }
    kept = content.bytes;
    const bool sameColour = r.userColor == (playerColor == 0 ? 1 : -1);
    if (!sameColour || SideToMoveHasLost(CurrentPosition(r))) return; // a new game, as always
    played = r.played.empty() ? now() : QString::fromStdString(r.played);
    boardWidget->restoreGame(r.moves, static_cast<int>(r.moves.size()) - r.takenBack);
}

QString Quarn::problemText(const RecordError& e) {
    const QString word = QString::fromStdString(e.word);
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
        QMessageBox::warning(
            this, tr("Open Game"),
            tr("%1 is not a game that Quarn can open.").arg(QDir::toNativeSeparators(path)) +
                "\n\n" + why);
        return false;
    }

    // The user takes the colour played in the record, and keeps it.
    const int colour = r.userColor == 1 ? 0 : r.userColor == -1 ? 1 : playerColor;
    if (colour != playerColor) {
        updatePlayerColor(colour);
        boardWidget->updatePlayerColor(colour);
    }
    played = r.played.empty() ? now() : QString::fromStdString(r.played);
    boardWidget->restoreGame(r.moves, static_cast<int>(r.moves.size()) - r.takenBack);
    return true;
}

bool Quarn::saveGame(const QString& path) {
    const std::optional<std::string> text = WriteGameRecord(record(false));
    if (text &&
        safefile::write(path, QByteArray(text->data(), static_cast<qsizetype>(text->size())),
                        static_cast<qint64>(kMaxRecordBytes)))
        return true;
    QMessageBox::warning(
        this, tr("Save Game"),
        tr("The game could not be saved to %1.").arg(QDir::toNativeSeparators(path)));
    return false;
}

void Quarn::chooseGameToOpen() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Game"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Quarn games (*.%1)").arg(kSuffix) + ";;" + tr("All files (*)"));
    if (!path.isEmpty()) openGame(path);
}

void Quarn::chooseFileToSave() {
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(
                QString("quarn-%1.%2").arg(QDate::currentDate().toString(Qt::ISODate), kSuffix));
    QString path = QFileDialog::getSaveFileName(this, tr("Save Game"), suggested,
                                                tr("Quarn games (*.%1)").arg(kSuffix));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QString(".") + kSuffix;
    saveGame(path);
}

void Quarn::placeMoveList() {
    // The board keeps at least its zoom-1 grid with a margin: the list goes
    // beside it when the window is wide enough for both, else below it when
    // it is high enough, else it waits until there is room.
    const QSize boardRoom = boardWidget->sizeHint();
    const int high = height() - (menuBar() ? menuBar()->height() : 0);
    Qt::DockWidgetArea area = Qt::NoDockWidgetArea;
    if (showMoveList && width() >= boardRoom.width() + moveList->sizeHint().width())
        area = Qt::RightDockWidgetArea;
    else if (showMoveList && high >= boardRoom.height() + moveList->sizeHint().height())
        area = Qt::BottomDockWidgetArea;
    if (area == Qt::NoDockWidgetArea) {
        moveListDock->hide();
        return;
    }
    if (dockWidgetArea(moveListDock) != area) addDockWidget(area, moveListDock);
    moveListDock->show();
}

void Quarn::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeMoveList();
}
