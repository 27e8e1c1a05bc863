"""Walks the accessibility tree of an application's windows through AT-SPI, as a
screen reader sees it, and lists every control shown without a name.
Usage: walk_accessibility.py APP_NAME; exits 1 when any control has no name, 2 when
the application is not found.
       walk_accessibility.py APP_NAME --list ROLE...  prints "role<TAB>name" of each
object of those roles, shown or not."""
import sys, time
import pyatspi

CONTROLS = {"push button", "check box", "radio button", "combo box", "text", "entry", "password text",
            "menu item", "image", "toggle button", "spin button", "page tab", "tool bar", "table",
            "slider", "list", "tree", "tree table", "check menu item", "radio menu item", "push button menu"}

def application(name):
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None

def unnamed(node, path, found, depth=0):
    try:
        role, name, showing = node.getRoleName(), node.name, node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return
    here = path + " > " + role + (" “" + name + "”" if name else "")
    if LISTED is not None:
        if role in LISTED:
            found.append(role + "\t" + name)
    elif showing and role in CONTROLS and not name.strip():
        found.append(here)
    if depth < 20:
        for i in range(min(node.childCount, 200)):
            child = node.getChildAtIndex(i)
            if child is not None:
                unnamed(child, here, found, depth + 1)

LISTED = set(sys.argv[3:]) if sys.argv[2:3] == ["--list"] else None
app = application(sys.argv[1])
if app is None:
    print("accessibility: no application " + sys.argv[1])
    sys.exit(2)
found = []
for i in range(app.childCount):
    window = app.getChildAtIndex(i)
    if window is not None:
        unnamed(window, window.name or "window", found)
if LISTED is not None:
    print("\n".join(found))
    sys.exit(0)
for line in found:
    print("unnamed: " + line)
sys.exit(1 if found else 0)
