#!/usr/bin/python3
"""Reads Tolvane's window as a screen reader does (AT-SPI) and checks what a listener needs.

Run inside an AT-SPI session with the program already started (scripts/accessibility does both).
Prints every control with its role, name, description and label, then the problems found:
  - a control without a name;
  - a check box, radio button or button whose name is not its visible text (voice control says
    what it sees: label in name);
  - a combo box, text field, spin box or slider that no label names (no labelled-by relation);
  - a mnemonic used twice among the controls shown together in one window (each window has
    its own: a label's mnemonic acts within its window only).
Exits 1 when there is a problem.
"""
import re
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
}
LABELLED = {
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SLIDER,
}
TEXT_NAMED = {pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PUSH_BUTTON}


def find_application(name, seconds=20):
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in desktop:
            if app is not None and app.name and app.name.lower() == name.lower():
                return app
        time.sleep(0.3)
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def labels_of(node):
    names = []
    try:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    names.append(relation.getTarget(i).name)
    except Exception:
        pass
    return names


def walk(node, depth, out, window=None):
    if node is None:
        return
    if depth == 1:
        window = node  # the application's children are its windows
    out.append((depth, node, window))
    for child in node:
        walk(child, depth + 1, out, window)


def mnemonic_of(node):
    """The Alt key of a control, from its key binding (Qt gives "Alt+X" or "<Alt>x")."""
    try:
        action = node.queryAction()
        for i in range(action.nActions):
            binding = action.getKeyBinding(i)
            m = re.search(r"(?:<Alt>|Alt\+)(\w)", binding or "")
            if m:
                return m.group(1).lower()
    except Exception:
        pass
    return None


def main():
    app = find_application(sys.argv[1] if len(sys.argv) > 1 else "tolvane")
    if app is None:
        print("no application found on the accessibility bus")
        return 2
    nodes = []
    walk(app, 0, nodes)
    problems = []
    keys = {}
    for depth, node, window in nodes:
        role = node.getRole()
        name = node.name or ""
        description = node.description or ""
        labels = labels_of(node)
        shown = showing(node)
        line = "  " * depth + f"{node.getRoleName()}: {name!r}"
        if description:
            line += f" — {description!r}"
        if labels:
            line += f" [labelled by {labels!r}]"
        if not shown:
            line += " (hidden)"
        print(line)
        if role not in INTERACTIVE or not shown:
            continue
        where = f"{node.getRoleName()} {name!r}"
        if not name.strip():
            problems.append(f"{where}: no name")
        if role in LABELLED and not labels:
            problems.append(f"{where}: no label relation")
        if role in TEXT_NAMED:
            try:
                text = node.queryText().getText(0, -1)
            except Exception:
                text = None
            if text and text.replace("&", "") not in name:
                problems.append(f"{where}: visible text {text!r} is not in its name")
        key = mnemonic_of(node)
        if key:
            keys.setdefault((window.name if window else "", key), []).append(where)
    for (window, key), owners in sorted(keys.items()):
        if len(owners) > 1:
            problems.append(f"Alt+{key.upper()} used in {window!r} by {', '.join(owners)}")
    print()
    print(f"{len(problems)} problem(s)")
    for p in problems:
        print("  " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
