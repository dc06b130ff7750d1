// The moves of the game beside the board, numbered in pairs (White's move,
// then Black's; White always moves first), one pair per row: "1. a1 d2".
// The last move played is marked; the moves that Redo can bring back are
// dimmed; a move a game review found to throw a value away carries a "?",
// with what it was worth before and after in its tooltip. A click on a move
// asks for the position after it (`moveClicked`); the wheel and the vertical
// scroll bar scroll the list, and every change of the game scrolls the last
// move played into view. Once the game has ended its result stands in a
// line of its own after the moves.
//
// With the keyboard focus the list has a cursor on one move: the arrow
// keys, Home and End move it, Enter or Space asks for the position after
// its move, as a click does. Assistive technology sees a list of one item
// per move (movelistaccessible.h).
#pragma once

#include <QAbstractScrollArea>
#include <QStringList>

class MoveList : public QAbstractScrollArea {
    Q_OBJECT

public:
    // How a move is shown.
    enum MoveState {
        Played,   // leads to the position on the board
        Last,     // the last of those, marked
        Redoable, // taken back; Redo can bring it back (dimmed)
    };

    explicit MoveList(QWidget* parent = nullptr);

    // moves: the text of every move from the first (White's), e.g. "a1",
    // "b8c8-a5"; played: how many of them lead to the position on the board,
    // brought into 0..moves.size(); the others can be brought back by Redo.
    void setMoves(const QStringList& moves, int played);
    // The same for a list that changed only from the move `from` on: the
    // moves before it stay, and `tail` follows them. A move made costs one
    // text, however long the game.
    void replaceFrom(int from, const QStringList& tail, int played);

    int played() const { return played_; }
    int rowCount() const { return static_cast<int>((moves_.size() + 1) / 2); }
    // A row as text, "12. a1 d2" (one move in a last row of White's move).
    QString rowText(int row) const;
    MoveState moveState(int index) const;

    // The result of an ended game ("White wins"), or empty while it goes on.
    void setResult(const QString& result);
    // The list's lines for assistive technology: every move, then the
    // result if there is one. A move reads "12. White b4 to a4 takes c5".
    int itemCount() const;
    QString itemText(int index) const;
    // The line of the keyboard's cursor, or -1 while the list is empty.
    int current() const { return current_; }

    // The review's verdict on each move: empty for a move kept as it was,
    // else the tooltip of its "?". Moves past the end of `notes` have none;
    // a change of the moves drops the notes from the first changed move on.
    void setNotes(const QStringList& notes);
    QString note(int index) const { return notes_.value(index); }
    // The move whose position the board shows instead of the game's, framed;
    // -1 for none.
    void setBrowsed(int index);
    int browsed() const { return browsed_; }
    // The move under a viewport point, or -1.
    int moveAt(const QPoint& at) const;
    // Where the move's text stands, in viewport coordinates.
    QRect moveRect(int index) const;

    // Wide enough for "99. b8c8-a5 b8c8-a5" and a scroll bar, a few rows high.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void moveClicked(int index);

protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Column and row sizes in the current font, in logical pixels.
    struct Layout {
        int rowHeight;
        int numberWidth; // the widest move number of the list, with its dot
        int moveWidth;   // the widest move, in bold
        int gap;         // between columns, and at the left and right edges
        int numberRight() const { return gap + numberWidth; }
        int moveLeft(int column) const { return numberRight() + gap + column * (moveWidth + gap); }
        int width() const { return moveLeft(2); }
    };
    Layout layout() const;
    // Layout with room for move numbers up to `rows`.
    Layout layoutFor(int rows) const;
    QSize sizeForRows(int rows) const;

    // The rows of moves, and the result's line.
    int lineCount() const { return rowCount() + (result_.isEmpty() ? 0 : 1); }
    void updateScrollBar();
    void scrollToShow(const QRect& rect);
    void showLastPlayed();
    // Puts the keyboard's cursor on the line `index`, brought into range.
    void setCurrent(int index);
    // Tells assistive technology that the cursor's move has the focus.
    void focusCurrent();

    QStringList moves_;
    int played_ = 0;
    QStringList notes_;
    int browsed_ = -1;
    QString result_;
    int current_ = -1;
};
