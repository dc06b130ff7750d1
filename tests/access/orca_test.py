#!/usr/bin/python3
"""A blind player's game with the real Orca.

Orca (with its debug log, without a speech synthesiser: the log records
every "SPEECH OUTPUT" all the same) runs on a desktop of our own (see
desktop.py) while keys are pressed at the game as a blind player would:
the arrows walk the board and name the points, a1 .. c8 jump to a point,
Space chooses it, P reads the position, R repeats, N reads the counts, Tab
goes to the move list and back. Two games are played from records: one
where the user's placement closes a mill, so that Orca must say the
placement, the capture prompt, the capture, the computer's reply and then
Undo; and one whose last move the user makes, so that Orca must say the end
of the game. Exits 77 (skipped)
when Orca is not installed.

Usage: orca_test.py QUARN
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Failure, Inside, main, wait_for  # noqa: E402

ORCA = "/usr/bin/orca"
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{")

# Runs Orca with its debug log written line by line, so that the test can
# read what was spoken while Orca runs (Orca itself buffers the file).
LINE_BUFFERED_ORCA = """
import builtins, runpy, sys
plain_open = builtins.open
def line_buffered(file, mode="r", *args, **kwargs):
    if file == sys.argv[-1].split("=", 1)[1] and "w" in mode:
        kwargs["buffering"] = 1
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_buffered
sys.argv[0] = "%s"
runpy.run_path(sys.argv[0], run_name="__main__")
""" % ORCA


class Speech:
    """What Orca said, read from its debug log."""

    def __init__(self, log):
        self.log = log
        self.read = 0  # lines already matched by an expectation

    def text(self):
        try:
            with open(self.log, errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def lines(self):
        return [m.group(1) for m in map(SPOKEN.search, self.text().splitlines()) if m]

    def expect(self, pattern, seconds=8):
        """Waits until Orca says something that matches `pattern`, after what
        the last expectation matched; returns it."""
        wanted = re.compile(pattern)

        def probe():
            lines = self.lines()
            for i in range(self.read, len(lines)):
                if wanted.search(lines[i]):
                    self.read = i + 1
                    return lines[i]
            return None
        try:
            return wait_for(f"Orca to say /{pattern}/", probe, seconds)
        except Failure as failure:
            raise Failure(f"{failure}; it said: {self.lines()[self.read:]}") from None


def press(*keys):
    for key in keys:
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        time.sleep(0.15)


def play(session, speech, quarn, record, home):
    """Starts the game on `record`, gives its window the focus as a window
    manager would, and waits until Orca has read the board."""
    # Each game in folders of its own, so that the first one is not kept
    # in progress for the second.
    env = dict(os.environ, **{f"XDG_{kind}_HOME": os.path.join(home, record, kind.lower())
                              for kind in ("CONFIG", "STATE", "DATA")})
    session.start_game(quarn, os.path.join(DATA, record), env=env)
    wait_for("the game's window", lambda: subprocess.run(
        ["xdotool", "search", "--class", "quarn", "windowfocus"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0, 15)
    speech.expect(r"^Board panel")


def inside(quarn):
    with Inside() as session:
        home = os.environ["HOME"]
        log = os.path.join(home, "orca-debug.log")
        session.start([PYTHON_FOR_ORCA, "-c", LINE_BUFFERED_ORCA, "--disable", "speech",
                       "--debug-file=" + log], quiet=True)
        speech = Speech(log)
        wait_for("Orca to start", lambda: "ORCA: Startup complete" in speech.text(), 15)

        # A placement that closes a mill: a1 and a2 are White's, a3 closes.
        play(session, speech, quarn, "mill.quarn", home)
        press("Right")
        speech.expect(r"^a1, White push button")
        press("Right")
        speech.expect(r"^a2, White push button")
        press("Right")
        speech.expect(r"^a3, empty push button")
        press("space")
        speech.expect(r"You place a3\. Mill closed\. Take a black piece")
        press("b", "2", "space")
        speech.expect(r"You place a3 and take b2\.")
        reply = speech.expect(r"Computer places [abc][1-8]")
        press("p")
        speech.expect(r"White: a1, a2, a3; Black: ")
        press("r")
        speech.expect("^" + re.escape(reply) + "$")
        press("ctrl+z")
        speech.expect(r"Took back a3, [abc][1-8]\. Set your 3\. piece")
        session.stop_game()

        # The user's last move ends the game: a2 to a1, taking a4. First a
        # look at the moves: Tab goes to the list, and back.
        play(session, speech, quarn, "ending.quarn", home)
        press("Tab")
        speech.expect(r"^15\. Black a5 to a4")
        press("Up")
        speech.expect(r"^15\. White a1 to a2")
        press("Tab")
        speech.expect(r"^Board panel")
        press("n")
        speech.expect(r"White: 0 to place, 1 lost; Black: 0 to place, 3 lost")
        press("a", "2", "space")
        speech.expect(r"Select where to move the piece")
        press("a", "1", "space")
        speech.expect(r"Take a black piece")
        press("a", "4", "space")
        ending = speech.expect(r"You move a2 to a1 and take a4")
        if "Game over" not in ending:
            ending = speech.expect(r"Game over")
        if "You win" not in ending:
            raise Failure(f"the end was read as {ending!r}")
        print("\n".join(speech.lines()))
        return 0


PYTHON_FOR_ORCA = "/usr/bin/python3"

if __name__ == "__main__":
    if not os.path.exists(ORCA) or not shutil.which("xdotool"):
        print("SKIP: Orca or xdotool is not installed")
        sys.exit(77)
    main(__file__, __doc__, inside)
