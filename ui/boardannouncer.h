// What the board tells assistive technology: every move of either side
// ("Computer moves b4 to b5 and takes a3"), every change of the status line,
// the points whose piece or marks changed, and the point the keyboard's
// cursor moved to. It listens to the turn, and speaks for the board widget.
//
// Qt 6.4 has no announcement event: a move or a status becomes the board's
// text and description, and the replacement of the text is the event a
// screen reader hears; it carries the new text, where a change of
// description makes the reader ask back, too late to hear a move that the
// next status has replaced already.
#pragma once

#include "engine/board.h"

#include <QObject>
#include <QString>

#include <array>

class BoardWidget;

class BoardAnnouncer : public QObject {
    Q_OBJECT

public:
    explicit BoardAnnouncer(BoardWidget& board);

    // The last announcement: the last move of either side, then the status
    // it led to. The board's text and description.
    const QString& announcement() const { return announcement_; }
    // A point's name and what stands on it: "a1, White".
    QString pointText(int point) const;
    // Tells where the keyboard's cursor stands, while the board has focus.
    void announceCursor();

private:
    void announce(const QString& text);
    void announceMove(const Move& move, bool byUser);
    void announceStatus();
    // Tells of the points whose piece or marks changed since last told.
    void announcePoints();

    BoardWidget& board;
    QString announcement_;
    QString spokenStatus;
    std::array<int, 24> spokenPoints{}; // content and marks, as last told
};
