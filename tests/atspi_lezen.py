#!/usr/bin/env python3
"""Reads the Quintaro window from outside, as a screen reader does, through AT-SPI.

Starts the program under its own Xvfb display, its own D-Bus session bus and the
accessibility bus that the session bus starts on demand, waits until the window shows up in
the accessibility tree, walks that tree and prints every element as JSON: role, name,
description, text and value, with its depth. The program and the display are always ended,
also on a time-out or an error.

    atspi_lezen.py --program build/bin/quintaro [--dir D] [--expect NAME]... [--wait-for TEXT]
                   [--env K=V]... [--timeout S] [-- program arguments]

--expect NAME     exit 1 unless an element has this name (after trimming blanks)
--wait-for TEXT   read the tree again until some name, description, text or value holds TEXT
                  (for a read after a draw, started for instance with --env QUINTARO_AUTODRAW=1)
Exit code 77 when the AT-SPI bindings, Xvfb or dbus-run-session are missing (a skip for CTest).
"""
import argparse
import importlib.util
import json
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77


def parse():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--program", required=True)
    p.add_argument("--dir", help="the program's --dir; a fresh temporary directory by default")
    p.add_argument("--expect", action="append", default=[])
    p.add_argument("--wait-for")
    p.add_argument("--env", action="append", default=[])
    p.add_argument("--timeout", type=float, default=60.0)
    p.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    p.add_argument("--result", help=argparse.SUPPRESS)
    p.add_argument("rest", nargs="*")
    return p.parse_args()


def outer(args):
    """Display and session bus around the inner run of this script."""
    for tool in ("Xvfb", "dbus-run-session"):
        if not shutil.which(tool):
            print(f"atspi_lezen: {tool} not found", file=sys.stderr)
            return SKIP
    if importlib.util.find_spec("pyatspi") is None:
        print("atspi_lezen: python3-pyatspi not installed", file=sys.stderr)
        return SKIP
    xvfb, number = start_display()
    if xvfb is None:
        print("atspi_lezen: Xvfb did not start", file=sys.stderr)
        return 1
    try:
        env = dict(os.environ, DISPLAY=":" + number)
        for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            env.pop(name, None)
        env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="atspi-run-"))
        os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
        # The bus daemons write to their standard output: it goes to standard error, and the
        # tree comes back through a file.
        result = tempfile.NamedTemporaryFile(prefix="atspi-", suffix=".json", delete=False)
        result.close()
        cmd = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inner",
               "--result", result.name] + sys.argv[1:]
        inner_run = subprocess.Popen(cmd, env=env, stdout=sys.stderr, start_new_session=True)
        try:
            code = inner_run.wait(timeout=args.timeout + 30)
        except subprocess.TimeoutExpired:
            print("atspi_lezen: timed out", file=sys.stderr)
            code = 1
        finally:
            end_group(inner_run)
        with open(result.name, encoding="utf-8") as f:
            sys.stdout.write(f.read())
        os.unlink(result.name)
        return code
    finally:
        end_group(xvfb)


def accepts(path):
    """Whether a server listens on the Unix socket `path`."""
    try:
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
            s.connect(path)
        return True
    except OSError:
        return False


def start_display():
    """An Xvfb on a free display number; returns the process and the number once it accepts
    connections, or (None, None). Without -noreset the server would reset as the
    accessibility bus launcher, its first client, leaves, refusing the program meanwhile."""
    first = 100 + os.getpid() % 400
    for number in list(range(first, 500)) + list(range(100, first)):
        if os.path.exists(f"/tmp/.X{number}-lock") or \
                os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
             "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and xvfb.poll() is None:
            if accepts(f"/tmp/.X11-unix/X{number}"):
                return xvfb, str(number)
            time.sleep(0.05)
        end_group(xvfb)  # taken meanwhile, or too slow: the next number
    return None, None


def end_group(proc):
    """Ends a process started in a session of its own, with everything it started."""
    if proc.poll() is None:
        try:
            os.killpg(proc.pid, signal.SIGTERM)
            proc.wait(timeout=5)
        except (ProcessLookupError, subprocess.TimeoutExpired):
            pass
    try:
        os.killpg(proc.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        pass


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except (NotImplementedError, Exception):
        return None


def value_of(acc):
    try:
        return acc.queryValue().currentValue
    except (NotImplementedError, Exception):
        return None


def walk(acc, depth, out, deadline):
    if time.monotonic() > deadline:
        raise TimeoutError("reading the tree took too long")
    item = {"depth": depth, "role": acc.getRoleName(), "name": acc.name,
            "description": acc.description}
    text = text_of(acc)
    if text is not None:
        item["text"] = text
    value = value_of(acc)
    if value is not None:
        item["value"] = value
    out.append(item)
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out, deadline)


def find_app(pyatspi, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def write(args, items):
    with open(args.result, "w", encoding="utf-8") as f:
        json.dump(items, f, ensure_ascii=False, indent=1)
        f.write("\n")


def holds(items, wanted):
    return any(wanted in str(item.get(k) or "") for item in items
               for k in ("name", "description", "text", "value"))


def inner(args):
    import pyatspi

    work = args.dir or tempfile.mkdtemp(prefix="atspi-quintaro-")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb", NO_AT_BRIDGE="0")
    for pair in args.env:
        key, _, value = pair.partition("=")
        env[key] = value
    program = subprocess.Popen([args.program, "--dir", work] + args.rest, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                               start_new_session=True)
    deadline = time.monotonic() + args.timeout
    try:
        items = []
        while time.monotonic() < deadline:
            if program.poll() is not None:
                print("atspi_lezen: the program ended early:\n" +
                      program.stderr.read().decode(errors="replace"), file=sys.stderr)
                return 1
            app = find_app(pyatspi, program.pid)
            if app is not None:
                items = []
                walk(app, 0, items, deadline)
                # The window is there once its buttons are; a read after a draw waits on.
                ready = any(i["role"] == "push button" for i in items)
                if ready and (not args.wait_for or holds(items, args.wait_for)):
                    break
            time.sleep(0.3)
        else:
            write(args, items)
            print("atspi_lezen: the window was not read in time" +
                  (f" (waiting for {args.wait_for!r})" if args.wait_for else ""),
                  file=sys.stderr)
            return 1
        write(args, items)
        names = {(i["name"] or "").strip() for i in items}
        missing = [n for n in args.expect if n.strip() not in names]
        if missing:
            print(f"atspi_lezen: not found: {missing}", file=sys.stderr)
            return 1
        return 0
    finally:
        end_group(program)


def main():
    args = parse()
    return inner(args) if args.inner else outer(args)


if __name__ == "__main__":
    sys.exit(main())
