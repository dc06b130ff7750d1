#!/usr/bin/python3
"""The board as a screen reader meets it, through AT-SPI.

On a desktop of our own (see desktop.py) the game opens a record near its
end. Then, as a screen reader would: finds the board, its 24 points named
with what stands on them, the status (the text on screen) and the piece
counts; finds the move list with one item per move; presses the points of
the user's winning move, reading what each point offers on the way; and
finds the game's result as the list's last line.

Usage: atspi_test.py QUARN
"""

import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Failure, Inside, find, main, wait_for  # noqa: E402

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
POINT = re.compile(r"^[abc][1-8], (White|Black|empty)"
                   r"(, (in a mill|can be taken|you can move here|picked to move))?$")


def inside(quarn):
    with Inside() as session:
        import pyatspi
        session.start_game(quarn, os.path.join(DATA, "ending.quarn"))
        app = session.application(pyatspi.Registry.getDesktop(0))
        board = wait_for("the board", lambda: find(app, lambda n: n.name == "Board"), 10)
        moves = wait_for("the move list", lambda: find(
            app, lambda n: n.getRoleName() == "list" and n.name == "Moves"), 10)

        # The points, with their state; then the status and the counts.
        if board.childCount != 26:
            raise Failure(f"the board has {board.childCount} children, not 24 points, "
                          "the status and the counts")
        points = [board[i] for i in range(24)]
        names = [p.name for p in points]
        if not all(POINT.match(n) for n in names) or [n[:2] for n in names] != [
                f"{ring}{position}" for ring in "abc" for position in range(1, 9)]:
            raise Failure(f"the points are named {names}")
        if {p.getRoleName() for p in points} != {"push button"}:
            raise Failure(f"the points have roles {[p.getRoleName() for p in points]}")
        # The screen shows the opened game's status, and so must its label.
        status, counts = board[24], board[25]
        expected = "Select which piece to move"
        wait_for("the opened game's status", lambda: status.name == expected, 5,
                 pump=session.pump)
        if board.description != expected:
            raise Failure(f"the board's description is {board.description!r}")
        if counts.name != "White: 0 to place, 1 lost; Black: 0 to place, 3 lost":
            raise Failure(f"the counts read {counts.name!r}")
        window = app[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        a1 = points[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if not (a1.width > 0 and a1.height == a1.width and window.x <= a1.x
                and a1.x + a1.width <= window.x + window.width and window.y <= a1.y
                and a1.y + a1.height <= window.y + window.height):
            raise Failure(f"a1 lies at {a1}, outside the window at {window}")

        # One item per move, read out in words.
        if moves.childCount != 30:
            raise Failure(f"the move list has {moves.childCount} items, not 30")
        first, last = moves[0].name, moves[29].name
        if (first, last) != ("1. White b2", "15. Black a5 to a4"):
            raise Failure(f"the moves read {first!r} .. {last!r}")
        if moves[12].name != "7. White a1 takes c8":
            raise Failure(f"the 13th move reads {moves[12].name!r}")

        # The user's last move, pressed as a screen reader presses: a2 to a1
        # closing a mill, then a4 taken. The points tell what may be done.
        # A press while the board still works (a piece flies) is dropped, as
        # a tap would be: it is pressed again until it is taken.
        def press(point, what, done):
            def probe():
                if not done():
                    points[point].queryAction().doAction(0)
                    time.sleep(0.3)
                    session.pump()
                return done()
            wait_for(what, probe, 10, step=0.2, pump=session.pump)

        press(1, "a1 to offer itself", lambda: points[0].name == "a1, empty, you can move here")
        if points[1].name != "a2, White, picked to move":
            raise Failure(f"the piece picked reads {points[1].name!r}")
        press(0, "a4 to be takeable", lambda: points[3].name == "a4, Black, can be taken")
        press(3, "the result as the list's last line",
              lambda: moves.childCount == 32 and moves[31].name == "White wins")
        if moves[30].name != "16. White a2 to a1 takes a4":
            raise Failure(f"the winning move reads {moves[30].name!r}")
        return 0


if __name__ == "__main__":
    main(__file__, __doc__, inside)
