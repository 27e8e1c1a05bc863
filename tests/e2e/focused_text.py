"""Prints what a screen reader reads of the control that has the keyboard in an
application: its role, name and text. Usage: focused_text.py APP_NAME"""
import sys
import pyatspi

def focused(node, depth=0):
    try:
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    except Exception:
        return None
    for i in range(min(node.childCount, 200) if depth < 20 else 0):
        found = focused(node.getChildAtIndex(i), depth + 1)
        if found is not None:
            return found
    return None

for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == sys.argv[1]:
        for window in app:
            node = focused(window)
            if node is not None:
                try:
                    text = node.queryText()
                    value = text.getText(0, text.characterCount)
                except NotImplementedError:
                    value = ""
                print("%s\t%s\t%s" % (node.getRoleName(), node.name, value))
                sys.exit(0)
sys.exit(1)
