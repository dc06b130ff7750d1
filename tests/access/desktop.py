"""A desktop of our own for the accessibility tests.

Outside: an Xvfb, a fresh home and a session bus (dbus-run-session) that
the test script runs in again with --inside; everything started is stopped
at the end, also on failure. Inside: the accessibility bus, the game with
accessibility on, and whatever else the test starts, stopped in reverse.
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

PYTHON = "/usr/bin/python3"  # the interpreter Debian's pyatspi is built for
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


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
    nothing. A number taken so is left for the next. The server does not
    reset when its last client leaves, as the handshake's client does at
    once: a client that connects during a reset is turned away.
    """
    for attempt in range(20):
        number = 100 + (os.getpid() * 7 + attempt * 37) % 800
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-noreset"],
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


def outside(script, args, seconds=90):
    """Runs `script --inside ARGS...` on a display and a session bus of its
    own, in a fresh home, and stops everything it started; returns the
    script's exit status."""
    home = tempfile.mkdtemp(prefix="quarn-access-")
    env = clean_environment(home)
    xvfb = None
    try:
        xvfb, display = start_display(env)
        env["DISPLAY"] = display
        inner = subprocess.run(
            ["dbus-run-session", "--", PYTHON, os.path.abspath(script), "--inside", *args],
            env=env, timeout=seconds)
        return inner.returncode
    except subprocess.TimeoutExpired:
        print(f"FAIL: the test did not finish within {seconds} s", file=sys.stderr)
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


# ---- inside the session bus ----

class Inside:
    """The accessibility bus and the programs a test starts on it; a context
    manager that stops them in reverse order."""

    def __init__(self):
        self.started = []

    def __enter__(self):
        self.start([LAUNCHER, "--launch-immediately"], quiet=True)
        wait_for("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL).returncode == 0, 10)
        from gi.repository import GLib
        self.context = GLib.MainContext.default()
        return self

    def __exit__(self, *exc):
        for process in reversed(self.started):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        return False

    def start(self, command, env=None, quiet=False):
        out = subprocess.DEVNULL if quiet else None
        process = subprocess.Popen(command, env=env, stdout=out, stderr=out)
        self.started.append(process)
        return process

    def start_game(self, quarn, *args, env=None):
        env = dict(env or os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
        self.game = self.start([quarn, *args], env=env)
        return self.game

    def stop_game(self):
        self.game.terminate()
        self.game.wait(5)

    def pump(self):
        """Delivers the AT-SPI events that have arrived."""
        while self.context.iteration(False):
            pass

    def application(self, desktop):
        """The game among the desktop's applications, once it is there."""
        def probe():
            if self.game.poll() is not None:
                raise Failure(f"quarn exited with status {self.game.returncode}")
            for app in desktop:
                if app is not None and app.name.lower() == "quarn":
                    return app
            return None
        return wait_for("quarn among the desktop's applications", probe, 15)


def find(node, test, depth=0):
    """The first node under `node` (itself included) that passes `test`."""
    if node is None or depth > 12:
        return None
    if test(node):
        return node
    for child in node:
        found = find(child, test, depth + 1)
        if found:
            return found
    return None


def main(script, doc, inside):
    """The entry point of a test script: `script QUARN [ARGS]` outside,
    `script --inside QUARN [ARGS]` in the session."""
    if len(sys.argv) >= 3 and sys.argv[1] == "--inside":
        try:
            sys.exit(inside(*sys.argv[2:]))
        except Failure as failure:
            print(f"FAIL: {failure}", file=sys.stderr)
            sys.exit(1)
    if len(sys.argv) < 2:
        sys.exit(doc)
    sys.exit(outside(script, sys.argv[1:]))
