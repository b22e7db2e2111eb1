#!/usr/bin/python3
# A screen reader's view of a hand: the game on an X server of its own, read over AT-SPI on
# the session bus this script runs in (started by dbus-run-session), played by keys alone.
# It checks what a player who cannot see the table is told: the five cards and their holds,
# the lamps, the credit and bet, the announcement of the dealt and of the final hand, the
# round buttons with their keys, the pay table as a table and the switches as check boxes.
#
#   dbus-run-session -- screenreader.py BIN_DIR
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

BIN = sys.argv[1]
procs = []
failures = []


def fail(why):
    print("FAIL:", why)
    failures.append(why)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    end = time.monotonic() + seconds
    ctx = GLib.MainContext.default()
    while time.monotonic() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.02)


def wait_for(what, seconds, why):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = what()
        if value:
            return value
        pump(0.1)
    fail(why)
    return None


def start(args, **kw):
    p = subprocess.Popen(args, **kw)
    procs.append(p)
    return p


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name in ("tarvelle", "Tarvelle"):
            return a
    return None


def find(role, pattern):
    a = app()
    rx = re.compile(pattern)
    return [n for n in walk(a) if n.getRoleName() == role and rx.fullmatch(n.name or "")]


def one(role, pattern):
    found = find(role, pattern)
    return found[0] if found else None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def key(*names):
    for n in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", n], check=False, env=env)
        pump(0.15)


CARD = r"(Joker|(Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King|Ace) of " \
       r"(hearts|diamonds|spades|clubs))"

work = tempfile.mkdtemp()
try:
    data = os.path.join(work, "data")
    os.makedirs(data)
    for f in ("poker2.dat", "deck1.bmp", "deck2.bmp", "deck3.bmp", "help.htm"):
        os.symlink(os.path.join(BIN, f), os.path.join(data, f))
    # No sound, no voice, no Auto Double: the hand ends with the draw. Red-Black, rate 70.
    with open(os.path.join(data, "poker.ini"), "wb") as f:
        f.write(bytes([0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 70, 0, 0]))

    # A display of its own, chosen at random away from the desktop's: one taken meanwhile by
    # another server (or whose socket was left behind) makes Xvfb give up, so try another.
    display = None
    for attempt in range(8):
        number = str(random.randrange(200, 900))
        if os.path.exists("/tmp/.X11-unix/X" + number) or os.path.exists("/tmp/.X%s-lock" % number):
            continue
        xvfb = start(["Xvfb", ":" + number, "-nolisten", "tcp", "-screen", "0", "1024x768x24"],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(50):
            if xvfb.poll() is not None or subprocess.run(
                    ["xdpyinfo", "-display", ":" + number], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL).returncode == 0:
                break
            time.sleep(0.1)
        if xvfb.poll() is None:
            display = number
            break
    if not display:
        print("FAIL: Xvfb does not start")
        sys.exit(1)
    env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=work)
    env.pop("WAYLAND_DISPLAY", None)
    start(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    announced = []

    def on_event(event):
        try:
            if event.source.getRoleName() == "notification" and event.source.name:
                if not announced or announced[-1] != event.source.name or event.type.startswith("object:state"):
                    announced.append(event.source.name)
        except Exception:
            pass

    # Listening before the game starts brings up the accessibility bus the game then joins,
    # and makes the game send the events from its start on.
    pyatspi.Registry.getDesktop(0)
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing",
                                           "object:property-change:accessible-name")
    pump(0.3)
    game = start([os.path.join(BIN, "tarvelle"), "--data-dir", data], env=env,
                 stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "game.err"), "w"))

    deal = wait_for(lambda: (lambda b: b if b is not None and showing(b) else None)(
        one("push button", r"Deal/Draw \(Enter\)")), 20, "the table's Deal/Draw button never showed")
    if deal is None:
        raise SystemExit(1)
    pump(0.5)

    # The round buttons, each with its key.
    for name in (r"Deal/Draw \(Enter\)", r"Bet down \(-\)", r"Bet up \(\+\)", r"Double-up \(D\)",
                 r"Extra screen \(S\)", r"Maximum bet \(M\)", r"Autoplay \(A\)", r"Pay table \(P\)", r"Exit \(X\)"):
        if one("push button", name) is None:
            fail("no button " + name)
    credit0 = one("label", r"credit \d+")
    bet0 = one("label", r"bet \d+")
    if credit0 is None or bet0 is None:
        raise SystemExit(fail("the credit and bet displays are not named") or 1)
    credit_before = int(credit0.name.split()[1])
    bet = int(bet0.name.split()[1])
    print("before the deal:", credit0.name, "|", bet0.name)
    if credit0.queryValue().currentValue != credit_before:
        fail("the credit display's value is not its amount")

    # Deal by key; the announcement names the dealt hand.
    key("Return")
    dealt = wait_for(lambda: next((a for a in announced if a.startswith("Dealt:")), None), 15,
                     "no announcement of the dealt hand")
    print("announced:", dealt)
    cards = [n for n in walk(app()) if n.getRoleName() == "push button" and re.fullmatch(CARD + r"(, held)?", n.name)]
    lamps = sorted((n.name for n in walk(app()) if re.fullmatch(r"Lamp [1-5]: .*", n.name or "")))
    print("cards:", [c.name for c in cards])
    print("lamps:", lamps)
    if len(cards) != 5:
        fail("five named cards expected, found %d" % len(cards))
    elif dealt:
        held = [c.name.endswith(", held") for c in cards]
        for k, h in enumerate(held, 1):
            if ("Lamp %d: held" % k in lamps) != h:
                fail("lamp %d does not match card %d's hold" % (k, k))
        if "; ".join(c.name for c in cards) not in dealt:
            fail("the announcement does not list the cards as they are named")
    credit = one("label", r"credit \d+")
    if credit is None or int(credit.name.split()[1]) != credit_before - bet:
        fail("the credit display does not read the credit less the bet: %s" % (credit and credit.name))

    # Draw; the announcement gives the outcome, which the win display and the lamps confirm.
    key("Return")
    final = wait_for(lambda: next((a for a in announced if a.startswith("Final hand:")), None), 15,
                     "no announcement of the final hand")
    print("announced:", final)
    pump(0.3)
    cards = [n.name for n in walk(app()) if n.getRoleName() == "push button" and re.fullmatch(CARD + r"(, winning)?", n.name)]
    lamps = sorted((n.name for n in walk(app()) if re.fullmatch(r"Lamp [1-5]: .*", n.name or "")))
    win = one("label", r"win \d+")
    credit = one("label", r"credit \d+")
    print("final:", cards, lamps, win and win.name, credit and credit.name)
    if final and win:
        amount = int(win.name.split()[1])
        if amount > 0 and ("win %d." % amount) not in final:
            fail("the outcome announced is not the win shown")
        if amount == 0 and "No win." not in final:
            fail("a hand that pays nothing is not announced so")
        if (amount > 0) != any(l.endswith("winning") for l in lamps):
            fail("winning lamps do not match the win")
        if len(cards) != 5 or "; ".join(cards) not in final:
            fail("the final cards are not those announced")
    if credit and final and ("Credit %s." % credit.name.split()[1]) not in final:
        fail("the announced credit is not the display's")

    # The pay table is a table of text cells.
    key("p")
    table = wait_for(lambda: next((n for n in find("table", "Pay table") if showing(n)), None), 5,
                     "the pay table is not a showing table")
    if table is not None:
        t = table.queryTable()
        if (t.nRows, t.nColumns) != (12, 4) or t.getAccessibleAt(1, 0).name != "Jacks":
            fail("the pay table reads %dx%d, first row %r" % (t.nRows, t.nColumns, t.getAccessibleAt(1, 0).name))
    key("p")

    # The Extra screen's switches are check boxes with their state.
    key("s")
    sound = wait_for(lambda: next((n for n in find("check box", "Sound FX") if showing(n)), None), 5,
                     "no Sound FX check box on the Extra screen")
    double = one("check box", "Double Game")
    if sound is not None and double is not None:
        if sound.getState().contains(pyatspi.STATE_CHECKED) or not double.getState().contains(pyatspi.STATE_CHECKED):
            fail("the check boxes do not show the settings (Sound FX off, Double Game on)")
    key("Escape")
    pump(0.3)
    key("x")
    try:
        game.wait(10)
    except subprocess.TimeoutExpired:
        fail("the game did not end on X")
finally:
    for p in reversed(procs):
        if p.poll() is None:
            p.kill()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                pass
    shutil.rmtree(work, ignore_errors=True)

if failures:
    sys.exit(1)
print("screen reader ok")
