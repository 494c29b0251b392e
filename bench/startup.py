#!/usr/bin/env python3
"""Start-up of the program beside a bare Qt window, on a private X server with openbox.

Both are started alternately, several times; for each start this notes the time from the
launch to the first top-level window the window manager maps, and the peak resident memory
of the process (a moment after that, once the first frame is painted). It prints the medians
and the two ratios, program / bare window.

Usage: startup.py PROGRAM BARE_WINDOW [ROUNDS]
"""
import ctypes
import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
SETTLE_SECONDS = 0.5


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", MapEvent), ("pad", ctypes.c_long * 24)]


def start_display(work):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-dpi", "96", "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as number:
        display = ":" + number.readline().strip()
    config = os.path.join(work, "config")
    os.makedirs(config, exist_ok=True)
    wm = subprocess.Popen(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=display,
                          XDG_CONFIG_HOME=config), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(200):
        probe = subprocess.run(["xprop", "-display", display, "-root", "_NET_SUPPORTING_WM_CHECK"],
                               capture_output=True, text=True)
        if "window id" in probe.stdout:
            # openbox announces itself a moment before it manages windows; a window
            # mapped in that moment may be missed.
            time.sleep(1)
            return display, [wm, xvfb]
        time.sleep(0.05)
    sys.exit("openbox did not start")


class Display:
    def __init__(self, name):
        self.x = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(name.encode())
        if not self.display:
            sys.exit("cannot open display " + name)
        self.x.XSelectInput(self.display, self.x.XDefaultRootWindow(self.display), SUBSTRUCTURE_NOTIFY_MASK)
        self.x.XFlush(self.display)
        self.fd = self.x.XConnectionNumber(self.display)

    def drain(self):
        event = XEvent()
        while self.x.XPending(self.display):
            self.x.XNextEvent(self.display, ctypes.byref(event))

    def wait_for_map(self, deadline):
        """The time at which a managed top-level window was next mapped, or None."""
        event = XEvent()
        while time.monotonic() < deadline:
            while self.x.XPending(self.display):
                self.x.XNextEvent(self.display, ctypes.byref(event))
                if event.type == MAP_NOTIFY and not event.xmap.override_redirect:
                    return time.monotonic()
            select.select([self.fd], [], [], 0.01)
        return None


def start_once(program, display, x, log):
    """Launch to first window mapped in ms (None if none in time), and peak RSS in MiB."""
    x.drain()
    env = dict(os.environ, DISPLAY=display, LANG="it_IT.UTF-8", LC_ALL="", LC_NUMERIC="")
    env.pop("QT_QPA_PLATFORM", None)
    started = time.monotonic()
    child = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=log)
    mapped = x.wait_for_map(started + 10)
    time.sleep(SETTLE_SECONDS)
    os.kill(child.pid, signal.SIGTERM)  # not send_signal: it would reap the child first
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    return None if mapped is None else (mapped - started) * 1000.0, usage.ru_maxrss / 1024.0


def one_start(program, display, x, work):
    """A start as measured; one that maps no window in time is told and tried once more."""
    log_name = os.path.join(work, "start.log")
    for attempt in (1, 2):
        with open(log_name, "w") as log:
            elapsed, peak = start_once(program, display, x, log)
        if elapsed is not None:
            return elapsed, peak
        with open(log_name) as log:
            print(f"{program}: no window mapped within 10 s (attempt {attempt}); it wrote:\n{log.read()}",
                  file=sys.stderr)
    sys.exit(program + ": no window was mapped")


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    program, bare = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 9
    with tempfile.TemporaryDirectory() as work:
        display, servers = start_display(work)
        try:
            x = Display(display)
            results = {program: [], bare: []}
            one_start(bare, display, x, work)  # warms the file cache for both
            one_start(program, display, x, work)
            for _ in range(rounds):
                for name in (program, bare):
                    results[name].append(one_start(name, display, x, work))
        finally:
            for server in servers:
                server.terminate()
                server.wait()
    medians = {}
    for name, label in ((program, "program"), (bare, "bare window")):
        times = [t for t, _ in results[name]]
        peaks = [m for _, m in results[name]]
        medians[name] = (statistics.median(times), statistics.median(peaks))
        print(f"{label:12s} first window mapped: median {medians[name][0]:6.1f} ms "
              f"(range {min(times):.1f}-{max(times):.1f}); peak RSS: median {medians[name][1]:5.1f} MiB")
    print(f"start-up ratio (program / bare window): time {medians[program][0] / medians[bare][0]:.2f}x, "
          f"peak RSS {medians[program][1] / medians[bare][1]:.2f}x  ({rounds} starts each, alternating)")


if __name__ == "__main__":
    main()
