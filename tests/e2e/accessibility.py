"""What a screen reader finds in the real tbrwiz, read through AT-SPI: both windows with their
roles and titles, every control with a name of its own, the labels tied to what they name, and
the wizard's default button on each page. The windows are driven through AT-SPI actions, as a
screen reader's user would: create, Next, Cancel, Close.

    usage: accessibility.py <pid of tbrwiz>      (run with Debian's python3 and python3-pyatspi)
"""
import sys
import time

import pyatspi

PID = int(sys.argv[1])
failures = []
# Roles by AT-SPI's numbers: their names differ between versions (BUTTON, "button").
FRAME, DIALOG, BUTTON, LABEL, TEXT = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG,
                                      pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL,
                                      pyatspi.ROLE_TEXT)


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def wait_for(what, find, seconds=20):
    """Polls until find() returns something, or stops the test."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes under our feet while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.1)
    print("FAIL: no", what)
    sys.exit(1)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == PID:
            return app
    return None


def window(role, title):
    app = application()
    for w in app or []:
        if w.getRole() == role and w.name == title and showing(w):
            return w
    return None


def showing(o):
    return o.getState().contains(pyatspi.STATE_SHOWING)


def controls(w):
    """The window's controls that are on screen now, as (role, name, accessible)."""
    return [(c.getRole(), c.name, c) for c in w if showing(c)]


def targets(o, relation):
    return [r.getTarget(i) for r in o.getRelationSet() if r.getRelationType() == relation
            for i in range(r.getNTargets())]


def control(w, role, name):
    found = [c for r, n, c in controls(w) if r == role and n == name]
    check(len(found) == 1, f"one {role} named {name!r} in {w.name!r}, found {len(found)}")
    return found[0] if found else None


def check_labelled(w, role, name, label_text):
    """The control is labelled by the label of that text, and the label names the control."""
    c = control(w, role, name)
    label = control(w, LABEL, label_text)
    if c is None or label is None:
        return
    check([t.name for t in targets(c, pyatspi.RELATION_LABELLED_BY)] == [label_text],
          f"{name!r} is labelled by {label_text!r}")
    check([t.name for t in targets(label, pyatspi.RELATION_LABEL_FOR)] == [name],
          f"the label {label_text!r} names {name!r}")


def check_window(w, texts=()):
    """What a reader says for each control: a name, and not the same as another control's. A
    label that names a control is read with it, not on its own. The window's own texts label
    nothing: a reader reads them with the window's title when the window appears."""
    names = [n for r, n, c in controls(w) if r != LABEL]
    check(all(names), f"every control of {w.name!r} has a name: {names}")
    check(len(names) == len(set(names)), f"no two controls of {w.name!r} share a name: {names}")
    labels = [(n, c) for r, n, c in controls(w) if r == LABEL]
    for text in texts:
        check(text in [n for n, c in labels], f"{w.name!r} shows its text {text!r}")
    for n, c in labels:
        if n in texts:
            check(not targets(c, pyatspi.RELATION_LABEL_FOR), f"the text {n!r} labels nothing")
        elif n not in names:
            check(targets(c, pyatspi.RELATION_LABEL_FOR), f"the label {n!r} names a control")


def check_own_name(w, role, name):
    """The control is read by its own name: no label stands in for it."""
    c = control(w, role, name)
    if c is not None:
        check(not targets(c, pyatspi.RELATION_LABELLED_BY), f"{name!r} is labelled by nothing")


def defaults(w):
    return [n for r, n, c in controls(w)
            if r == BUTTON and c.getState().contains(pyatspi.STATE_IS_DEFAULT)]


def press(w, role, name):
    c = control(w, role, name)
    if c is None:
        sys.exit(1)
    action = c.queryAction()
    press_index = [action.getName(i) for i in range(action.nActions)].index("Press")
    action.doAction(press_index)


# The main window: a frame named by its title; each picture button is named by the text beside it.
main = wait_for("main window", lambda: window(FRAME, "Tambrel Wizard"))
check_window(main)
check_labelled(main, BUTTON, "Create a new Tambrel.", "Create a new Tambrel.")
check_labelled(main, BUTTON, "Edit an existing Tambrel.", "Edit an existing Tambrel.")
control(main, BUTTON, "Close")
check(defaults(main) == [], "the main window has no default button")

# The wizard: a dialog. On the location page the question is the dialog's own text, read when
# the wizard opens; the folder box has a short name of its own; "Next >" is the default button.
press(main, BUTTON, "Create a new Tambrel.")
wizard = wait_for("wizard", lambda: window(DIALOG, "Create Tambrel"))
check(window(FRAME, "Tambrel Wizard") is None, "the main window is gone")
question = ("You are about to create a new Tambrel. "
            "Where would you like your Tambrel located?")
check_window(wizard, texts=[question])
check_own_name(wizard, TEXT, "Folder")
check(defaults(wizard) == ["Next >"], f"Next is the default button: {defaults(wizard)}")

# The name page: the name box is labelled by its question and "Finish" is the default button.
press(wizard, BUTTON, "Next >")
wait_for("name page", lambda: "Finish" in [n for r, n, c in controls(wizard)])
check_window(wizard)
ask = "Please type a name for your Tambrel"
check_labelled(wizard, TEXT, ask, ask)
check(defaults(wizard) == ["Finish"], f"Finish is the default button: {defaults(wizard)}")

# Cancel brings the main window back; Close ends the program (the caller checks its exit).
press(wizard, BUTTON, "Cancel")
main = wait_for("main window again", lambda: window(FRAME, "Tambrel Wizard"))
press(main, BUTTON, "Close")

print("PASS" if not failures else f"{len(failures)} failures")
sys.exit(1 if failures else 0)
