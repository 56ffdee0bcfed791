# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader meets in the running wizard, read through AT-SPI as Orca reads it (Debian's pyatspi).

Run by accessibility.sh with the wizard already started on a private session bus with its accessibility bus on:

    accessibility.py <pid of the wizard>

It walks every page with the keyboard and checks on each: the window is a frame named by its caption; every control
that shows and takes the focus has a name of its own on the page and a control's role; the focus is not left on
Help by the page change; no text box of a hidden page reports a selection or shows; and the change raised a name
or description event on the window that names the page.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST, pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_LABEL,  # a text the mouse can select and copy: the About text, the summary lines
}

failures = []
events = []
states = []  # (kind, name, detail), every check and focus change in order


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.02)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)
    pump(0.6)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)
    pump(0.4)


def application(pid):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    sys.exit("FAIL: the wizard never appeared on the accessibility bus")


def descendants(node, inside_combo=False):
    for child in node:
        if child is None:
            continue
        yield child, inside_combo
        # A combo box's list is its pop-up, which shows only when open.
        yield from descendants(child, inside_combo or child.getRole() == pyatspi.ROLE_COMBO_BOX)


def check_page(app, page, caption):
    windows = [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]
    if len(windows) != 1:
        fail(f"{page}: {len(windows)} windows show")
        return
    frame = windows[0]
    if frame.getRole() != pyatspi.ROLE_FRAME:
        fail(f"{page}: the window is no frame but a {frame.getRoleName()}")
    if frame.name != caption:
        fail(f"{page}: the window is named {frame.name!r}, not {caption!r}")

    names = {}
    for node, inside_combo in descendants(frame):
        state = node.getState()
        role = node.getRole()
        if (role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and not state.contains(pyatspi.STATE_SHOWING)):
            # Only what shows is heard: a box of a hidden page holds no selection.
            if node.queryText().getNSelections():
                fail(f"{page}: the hidden box {node.name!r} reports a selection")
        if inside_combo or not state.contains(pyatspi.STATE_SHOWING) or not state.contains(pyatspi.STATE_FOCUSABLE):
            continue
        if role not in ROLES:
            fail(f"{page}: {node.name!r} takes the focus but is a {node.getRoleName()}")
        if not node.name:
            fail(f"{page}: a {node.getRoleName()} has no name")
        elif node.name in names:
            fail(f"{page}: two controls are named {node.name!r}")
        names[node.name] = node
        if state.contains(pyatspi.STATE_FOCUSED) and node.name == "Help" and page != "Welcome":
            fail(f"{page}: the focus was left on Help")
    if not names:
        fail(f"{page}: nothing takes the focus")

    heard = [text for source, text in events if source == caption or text == caption]
    if not heard:
        fail(f"{page}: no event named the page; heard {events}")
    events.clear()
    print(f"ok: {page} ({len(names)} controls)")


def on_event(event):
    try:
        if event.source.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_FILLER) and event.source.parent and \
                event.source.parent.getRole() == pyatspi.ROLE_APPLICATION:
            events.append((event.source.name, event.source.description))
    except Exception:  # an object gone by the time its event arrives
        pass


def on_state(event):
    try:
        if event.detail1:
            states.append((event.type.minor, event.source.name, event.detail1))
    except Exception:
        pass


def check_state_heard(name, then_focused):
    """A box ticked by its access key is heard checked while it has the focus, before the focus moves on."""
    order = [(kind, who) for kind, who, _ in states]
    if ("checked", name) not in order:
        fail(f"{name!r} was never heard checked; heard {order}")
    elif ("focused", then_focused) in order and \
            order.index(("checked", name)) > order.index(("focused", then_focused)):
        fail(f"{name!r} was heard checked only after the focus had gone to {then_focused!r}")
    elif ("focused", name) not in order[:order.index(("checked", name))]:
        fail(f"{name!r} did not have the focus when it was heard checked; heard {order}")
    else:
        print(f"ok: {name} heard checked")


def main():
    app = application(int(sys.argv[1]))
    pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    pyatspi.Registry.registerEventListener(on_state, "object:state-changed:checked", "object:state-changed:focused")
    pump(0.5)
    events.append(("Larkspan 1.1", "Larkspan 1.1"))  # the window opens on Welcome under its caption
    check_page(app, "Welcome", "Larkspan 1.1")
    key("alt+a")
    check_page(app, "About", "Larkspan 1.1")
    key("Return")
    check_page(app, "Welcome again", "Larkspan 1.1")

    key("alt+s")
    check_page(app, "Layout", "Larkspan 1.1 - Select a page layout")
    key("Down")
    key("Tab")
    type_text("My Garden")
    key("Tab")
    type_text("Bob's roses")
    key("alt+n")
    check_page(app, "Colors", "Larkspan 1.1 - Select the color for your page")
    key("alt+m")
    key("Tab")
    type_text("tile.gif")
    key("alt+u")
    key("alt+r")
    key("alt+n")
    check_page(app, "Image", "Larkspan 1.1 - Select an image for your page")
    key("alt+n")
    check_page(app, "Text", "Larkspan 1.1 - Add some text to your page")
    states.clear()
    key("alt+m")
    pump(0.5)
    check_state_heard("Enable Key Mask", "Page text")
    key("alt+n")
    check_page(app, "Bullet List", "Larkspan 1.1 - Add a Bullet List")
    key("alt+n")
    check_page(app, "Links", "Larkspan 1.1 - Add links to your page")
    key("alt+n")
    check_page(app, "Finish", "Larkspan 1.1- Final Step: Finish your page")
    key("alt+b")
    check_page(app, "Links from Finish", "Larkspan 1.1- Add links to your page")
    for page, caption in [("Bullet List", "Larkspan 1.1 - Add a Bullet List"),
                          ("Text", "Larkspan 1.1 - Add some text to your page"),
                          ("Image", "Larkspan 1.1 - Select an image for your page "),
                          ("Colors", "Larkspan 1.1 - Select the color for your page"),
                          ("Layout", "Larkspan 1.1 - Select a page layout")]:
        key("alt+b")
        check_page(app, page + " going back", caption)

    if failures:
        sys.exit(f"FAIL: {len(failures)} findings")
    print("PASS: every page reads as it shows")


main()
