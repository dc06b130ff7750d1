// The window's statistics and sounds: every game the user plays against
// the computer counted once (when it ends, or when the user abandons it),
// Game / Statistics, and a sound for each move and for the end of a game.

#include "ui/quarn.h"

#include "platform/popupmenu.h"
#include "ui/boardwidget.h"
#include "ui/gamesession.h"
#include "ui/sounds.h"
#include "ui/statisticsdialog.h"

#include <QDate>
#include <QTimer>

void Quarn::countGame(Statistics::Outcome outcome) {
    if (session->players() != GameSession::AgainstComputer || gameCounted) return;
    gameCounted = true;
    stats.count(session->level(), session->userColor(), outcome,
                QDate::currentDate().toString(Qt::ISODate));
    statisticsFile.save(stats);
    if (statisticsDialog) statisticsDialog->show(stats);
}

void Quarn::countFinishedGame() {
    switch (session->result()) {
    case GameResult::DrawByRepetition:
        return countGame(Statistics::Drawn);
    case GameResult::WhiteResigns:
    case GameResult::BlackResigns:
        // Only the user resigns a game against the computer.
        return countGame(Statistics::Lost);
    case GameResult::None:
        break;
    }
    // The side to move has lost.
    countGame(session->position().next == session->userColor() ? Statistics::Lost
                                                               : Statistics::Won);
}

void Quarn::showStatistics() {
    if (!statisticsDialog) {
        QStringList levels;
        for (int level = 0; level < levelMenu->count(); ++level) levels << levelMenu->text(level);
        statisticsDialog = new StatisticsDialog(this, stats, levels);
        connect(statisticsDialog, &StatisticsDialog::resetAsked, this, [this] {
            stats = {};
            statisticsFile.save(stats);
            statisticsDialog->show(stats);
        });
    }
    statisticsDialog->show(stats);
    statisticsDialog->open();
}

void Quarn::connectSounds() {
    GameTurn& turn = boardWidget->turn();
    connect(&turn, &GameTurn::moveMade, this, [this](const Move& move, bool) {
        if (move.take < 0) return sounds->play(move.start < 0 ? Sound::Place : Sound::Move);
        // The mill first, then the piece it takes.
        sounds->play(Sound::Mill);
        QTimer::singleShot(SoundLength(Sound::Mill), this,
                           [this] { sounds->play(Sound::Capture); });
    });
    connect(&turn, &GameTurn::refused, this, [this] { sounds->play(Sound::Illegal); });
    connect(&turn, &GameTurn::ended, this, [this] {
        const Board& board = session->position();
        const bool won = session->result() == GameResult::None
                             ? !session->humanPlays(board.next) ||
                                   session->players() != GameSession::AgainstComputer
                             : session->result() != GameResult::DrawByRepetition &&
                                   session->players() != GameSession::AgainstComputer;
        sounds->play(won ? Sound::Won : Sound::LostOrDrawn);
    });
}
