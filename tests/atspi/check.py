#!/usr/bin/env python3
"""The program as a screen reader sees it, through AT-SPI.

Starts the program (argv[1]) with Qt's AT-SPI bridge on, then, as a blind
user would: finds its main window, opens the Volt menu and its Ohm entry
by their actions, and reads the Ohm form. Every window is a frame or a
dialog named by its caption, the menu bar holds named entries with their
Alt+letter, options are radio buttons inside the panel of their frame, and
nothing is named by a control's internal name. --dump prints the trees.
Run under an X server and a D-Bus session of its own (make test-atspi).
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

INTERNAL = re.compile(r"^(lbl|txt|cmd|cbo|fra|img|Option|Label|Frame|Text|Command|Combo|Image|mnu)\w*(\(\d+\))?$")
failures = []
checks = 0


def check(ok, what):
    global checks
    checks += 1
    if not ok:
        failures.append(what)


def wait_for(find, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = find()
        except Exception:  # the tree moves while windows open
            found = None
        if found:
            return found
        time.sleep(0.2)
    return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node, depth=0):
    yield node, depth
    for child in children(node):
        if child is not None:
            yield from walk(child, depth + 1)


def role(node):
    return node.getRoleName()


def actions(node):
    try:
        act = node.queryAction()
    except NotImplementedError:
        return {}
    return {act.getName(i): act.getKeyBinding(i) for i in range(act.nActions)}


def dump(node):
    for n, depth in walk(node):
        extra = ""
        acts = actions(n)
        if acts:
            extra = " [" + ", ".join(f"{k}{' ' + v if v else ''}" for k, v in acts.items()) + "]"
        states = n.getState()
        if states.contains(pyatspi.STATE_CHECKED):
            extra += " (checked)"
        print(f"{'  ' * depth}{role(n)} \"{n.name}\"{extra}")


def named_internally(top):
    return [f"{role(n)} \"{n.name}\"" for n, _ in walk(top) if INTERNAL.match(n.name or "")]


def main():
    binary = sys.argv[1]
    show = "--dump" in sys.argv
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([binary], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next((a for a in children(desktop) if a and a.name == "ondalab"), None))
        check(app is not None, "the program is not on the AT-SPI desktop")
        if app is None:
            return
        main_window = wait_for(lambda: next((w for w in children(app) if role(w) == "frame" and w.name), None))
        check(main_window is not None, "no frame named by its caption")
        if main_window is None:
            return
        if show:
            print("--- main window")
            dump(main_window)
        bars = [n for n, _ in walk(main_window) if role(n) == "menu bar"]
        check(len(bars) == 1, f"{len(bars)} menu bars in the main window")
        if not bars:
            return
        entries = children(bars[0])
        check(len(entries) >= 5, f"only {len(entries)} menu entries")
        for e in entries:
            check(role(e) == "menu item" and e.name and "&" not in e.name, f"menu entry {role(e)} \"{e.name}\"")
        volt = next((e for e in entries if e.name == "Volt"), None)
        check(volt is not None, "no menu entry named Volt")
        if volt is None:
            return
        check(list(actions(volt).values()) == ["Alt+V"], f"Volt's actions: {actions(volt)}")
        act = volt.queryAction()
        act.doAction(0)  # drops the menu down
        ohm = wait_for(lambda: next((n for n, _ in walk(volt) if role(n) == "menu item" and n.name == "Ohm"), None))
        check(ohm is not None, "the Volt menu shows no Ohm entry")
        if ohm is None:
            return
        if show:
            print("--- the Volt menu, dropped down")
            dump(volt)
        ohm.queryAction().doAction(0)
        form = wait_for(lambda: next((w for w in children(app) if w is not None and w.name.startswith("POTENZA")), None))
        check(form is not None and role(form) in ("frame", "dialog"), "the Ohm form did not open as a named window")
        if form is None:
            return
        if show:
            print("--- the Ohm form")
            dump(form)
        options = [(n, d) for n, d in walk(form) if role(n) == "radio button"]
        check(len(options) == 6, f"{len(options)} radio buttons on the Ohm form")
        for option, _ in options:
            check(role(option.parent) == "panel" and option.parent.name, f"option \"{option.name}\" outside a named panel")
        chosen = sum(o.getState().contains(pyatspi.STATE_CHECKED) for o, _ in options)
        check(chosen == 1, f"{chosen} options checked")
        check(any(role(n) == "push button" for n, _ in walk(form)), "no push button on the Ohm form")
        for top in (main_window, form):
            internal = named_internally(top)
            check(not internal, f"named by internal names: {internal}")
    finally:
        program.terminate()
        program.wait(10)
        for f in failures:
            print("atspi:", f)
        print(f"atspi: {checks - len(failures)} passed, {len(failures)} failed")
        sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
