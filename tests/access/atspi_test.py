#!/usr/bin/python3
"""The board as a screen reader meets it, through AT-SPI.

Starts a display (Xvfb), a session bus of its own (dbus-run-session), the
accessibility bus and the game with accessibility on, in a fresh home.
Then, as a screen reader would: finds the game among the desktop's
applications, finds the board and its 24 named points, presses a point,
and waits for the board to announce the user's move and the computer's
reply. Everything it started is stopped at the end, also on failure.

Usage: atspi_test.py QUARN
"""

import os
import re
import signal
import subprocess
import sys
import tempfile
import time

PYTHON = "/usr/bin/python3"  # the interpreter Debian's pyatspi is built for
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
POINT_NAME = re.compile(r"^[abc][1-8], (White|Black|empty)$")


class Failure(Exception):
    pass


def wait_for(what, probe, seconds, step=0.05, pump=None):
    """Calls probe() until it returns something true, for at most `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        if pump:
            pump()
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {seconds} s waiting for {what}")
        time.sleep(step)


# ---- outside the session bus: the display, the home, the clean-up ----

def clean_environment(home):
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("DBUS_", "AT_SPI_", "XDG_", "QT_", "WAYLAND_"))
           and k not in ("DISPLAY", "XAUTHORITY")}
    runtime = os.path.join(home, "run")
    os.mkdir(runtime, 0o700)
    env.update(HOME=home, XDG_RUNTIME_DIR=runtime,
               XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_STATE_HOME=os.path.join(home, "state"),
               XDG_DATA_HOME=os.path.join(home, "data"),
               XDG_CACHE_HOME=os.path.join(home, "cache"),
               NO_AT_BRIDGE="0")
    return env


def start_display(env):
    """An Xvfb of our own; returns (process, ':N').

    A display counts as ours only once a client that reaches its number as
    Xlib and xcb do completes the X handshake with this very Xvfb: another
    server may hold the number's abstract socket (one in another file system
    namespace, where our lock files cannot see it), and a socket file proves
    nothing. A number taken so is left for the next.
    """
    for attempt in range(20):
        number = 100 + (os.getpid() * 7 + attempt * 37) % 800
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            env=env, start_new_session=True,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        answer = None
        while answer is None and xvfb.poll() is None and time.monotonic() < deadline:
            answer = x_answer(number, xvfb.pid)
            time.sleep(0 if answer else 0.05)
        if answer == "ours":
            return xvfb, f":{number}"
        stop([xvfb.pid])
        xvfb.wait()
    raise Failure("no Xvfb of our own answered")


def x_answer(number, pid):
    """Who answers at display `number`, reached as Xlib and xcb reach it (the
    abstract socket first, then the socket file): "ours" when the process
    `pid` completes the X handshake, "another" for anyone else, None while
    nothing answers."""
    import socket
    import struct
    path = f"/tmp/.X11-unix/X{number}"
    for address in ("\0" + path, path):
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
            try:
                s.connect(address)
            except (FileNotFoundError, ConnectionRefusedError):
                if address.startswith("\0"):
                    continue
                return None
            except OSError:
                return None
            # The connection setup of X 11.0, little-endian, without
            # authorisation: the reply's first byte is 1 on success.
            s.settimeout(2)
            try:
                s.sendall(b"l\0\x0b\0\0\0\0\0\0\0\0\0")
                status = s.recv(1)
            except OSError:
                return None
            if status != b"\x01":
                return "another"
            peer = struct.unpack("3i", s.getsockopt(socket.SOL_SOCKET, socket.SO_PEERCRED,
                                                     struct.calcsize("3i")))[0]
            return "ours" if peer == pid else "another"
    return None


def ours(home):
    """The processes whose environment names our home: all we started."""
    marker = ("HOME=" + home).encode() + b"\0"
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if marker in f.read():
                    found.append(int(entry))
        except OSError:
            pass
    return found


def stop(pids, grace=3):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in pids:
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + grace
        while time.monotonic() < deadline and any(os.path.exists(f"/proc/{p}") for p in pids):
            time.sleep(0.05)


def outside(quarn):
    home = tempfile.mkdtemp(prefix="quarn-atspi-")
    env = clean_environment(home)
    xvfb = None
    try:
        xvfb, display = start_display(env)
        env["DISPLAY"] = display
        inner = subprocess.run(
            ["dbus-run-session", "--", PYTHON, os.path.abspath(__file__), "--inside", quarn],
            env=env, timeout=90)
        return inner.returncode
    except subprocess.TimeoutExpired:
        print("FAIL: the test did not finish within 90 s", file=sys.stderr)
        return 1
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    finally:
        left = [p for p in ours(home) if xvfb is None or p != xvfb.pid]
        stop(left)
        if xvfb is not None:
            stop([xvfb.pid])
            xvfb.wait()
        leftover = ours(home)
        subprocess.run(["rm", "-rf", home])
        if leftover:
            print(f"FAIL: processes left running: {leftover}", file=sys.stderr)
            sys.exit(1)


# ---- inside the session bus: the screen reader's view ----

def inside(quarn):
    started = []
    try:
        launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        started.append(launcher)
        wait_for("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL).returncode == 0, 10)

        import pyatspi
        from gi.repository import GLib
        context = GLib.MainContext.default()

        def pump():
            while context.iteration(False):
                pass

        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        game = subprocess.Popen([quarn], env=env)
        started.append(game)

        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            if game.poll() is not None:
                raise Failure(f"quarn exited with status {game.returncode}")
            for app in desktop:
                if app is not None and app.name.lower() == "quarn":
                    return app
            return None

        app = wait_for("quarn among the desktop's applications", application, 15)

        def find_board(node, depth=0):
            if node is None or depth > 12:
                return None
            if node.childCount == 24 and all(
                    POINT_NAME.match(node[i].name or "") for i in range(24)):
                return node
            for child in node:
                found = find_board(child, depth + 1)
                if found:
                    return found
            return None

        board = wait_for("a board with 24 named points", lambda: find_board(app), 10)
        names = [board[i].name for i in range(24)]
        expected = [f"{ring}{position}, empty" for ring in "abc" for position in range(1, 9)]
        if names != expected:
            raise Failure(f"the points are named {names}, not {expected}")
        if board.name != "Board":
            raise Failure(f"the board is named {board.name!r}")
        roles = {board[i].getRoleName() for i in range(24)}
        if roles != {"push button"}:
            raise Failure(f"the points have roles {roles}")
        description = wait_for("the status as the board's description",
                               lambda: board.description, 5, pump=pump)
        if description != "Set your 1. piece":
            raise Failure(f"the board's description is {description!r}")

        a1 = board[0]
        extents = a1.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        window = app[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if not (extents.width > 0 and extents.height == extents.width
                and window.x <= extents.x and extents.x + extents.width <= window.x + window.width
                and window.y <= extents.y
                and extents.y + extents.height <= window.y + window.height):
            raise Failure(f"a1 lies at {extents}, outside the window at {window}")

        heard = []

        # A replaced text carries the new one: each announcement, as it is made.
        def listen(event):
            if event.source == board:
                heard.append(str(event.any_data))

        pyatspi.Registry.registerEventListener(listen, "object:text-changed:insert")
        # The game learns of the listener through the registry; give it a moment.
        end = time.monotonic() + 0.5
        while time.monotonic() < end:
            pump()
            time.sleep(0.02)

        action = a1.queryAction()
        if action.nActions < 1 or action.getName(0).lower() != "press":  # Qt says "Press"
            raise Failure("a1 offers no press action: "
                          f"{[action.getName(i) for i in range(action.nActions)]}")
        action.doAction(0)

        computer = wait_for("the computer's move to be announced",
                            lambda: next((h for h in heard if h.startswith("Computer places ")),
                                         None), 20, pump=pump)
        if "You place a1" not in heard or heard.index("You place a1") > heard.index(computer):
            raise Failure(f"the user's move was not announced before the reply: {heard}")
        wait_for("the status after the reply", lambda: "Set your 2. piece" in heard, 10, pump=pump)
        placed = computer.split()[-1]
        index = (ord(placed[0]) - ord("a")) * 8 + int(placed[1]) - 1
        if a1.name != "a1, White" or board[index].name != f"{placed}, Black":
            raise Failure(f"after the moves a1 is {a1.name!r} and {placed} is "
                          f"{board[index].name!r}")
        print("heard:", " | ".join(heard))
        return 0
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    finally:
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inside":
        sys.exit(inside(sys.argv[2]))
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(outside(sys.argv[1]))
