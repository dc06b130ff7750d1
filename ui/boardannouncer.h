// What the board tells a screen reader: every move of either side
// ("Computer moves b4 to b5 and takes a3"), every change of the status line,
// a hint, a move taken back or replayed, the points whose piece or marks
// changed, and the point the keyboard's cursor moved to. It listens to the
// turn, and speaks for the board widget.
//
// Qt 6.4 has no announcement event, and Orca 43 drops the board's text
// changes (they are not on the focused object) and cannot read Qt's name
// and description changes (they carry the object, not the text). What Orca
// does speak, wherever the focus is, is a notification that appears: so
// each thing said becomes one (BoardAccessible::say). Orca cuts a speech
// short when the next begins, so what the turn says in one go (a move, the
// reply, the status they lead to) is gathered and said as one text when the
// program next waits for the user.
#pragma once

#include "engine/board.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>

class BoardWidget;
class QKeyEvent;

class BoardAnnouncer : public QObject {
    Q_OBJECT

public:
    explicit BoardAnnouncer(BoardWidget& board);

    // What was said last, gathered: "You place a2. Computer places b4. Set
    // your 2. piece."
    const QString& announcement() const { return announcement_; }
    // A point's name, what stands on it and what the user may do with it:
    // "b2, Black, can be taken".
    QString pointText(int point) const;
    // Every piece on the board: "White: a1, a4; Black: b2".
    QString positionText() const;
    // "White: 4 to place, 2 lost; Black: 5 to place, 1 lost".
    QString countsText() const;
    // Tells where the keyboard's cursor stands, while the board has focus.
    void announceCursor();
    // The keys that read the board: P the position, N the counts, R the last
    // announcement again. False for any other key.
    bool keyPress(const QKeyEvent& event);

private:
    // Gathers `text` to be said with the rest of the turn's news.
    void say(const QString& text);
    // Has the screen reader speak `text` now.
    void tell(const QString& text);
    // Says what was gathered, now.
    void flush();
    void announceMove(const Move& move, bool byUser);
    void announceStatus();
    // The user's move that closed a mill, which waits for its capture.
    void announceMill();
    void announceHint();
    void gameChanged(bool settled);
    // Tells of the points whose piece or marks changed since last told.
    void announcePoints();

    BoardWidget& board;
    QString announcement_;
    QStringList gathered;
    QTimer flushTimer;
    QString spokenStatus;
    Move spokenHint{-1, -1, -1};
    int knownPlayed = 0;                // the moves played when the game last settled
    bool moveMade = false;              // a move was made since
    std::array<int, 24> spokenPoints{}; // content and marks, as last told
};
