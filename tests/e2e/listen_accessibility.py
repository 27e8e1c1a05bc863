"""Writes the accessibility events a screen reader builds its speech from, one
line each, as they arrive: type, role and name of the source, and detail.
Usage: listen_accessibility.py FILE (runs until killed). A line "ready" comes first."""
import sys
import pyatspi

EVENTS = ["focus:", "object:state-changed:focused", "object:state-changed:checked",
          "object:state-changed:showing", "object:property-change:accessible-name",
          "object:selection-changed", "object:property-change:accessible-value"]
out = open(sys.argv[1], "w", buffering=1)

def heard(event):
    try:
        source = event.source
        if source.getApplication().name != "zev":
            return
        out.write("%s\t%s\t%s\t%d\n" % (event.type, source.getRoleName(), source.name, event.detail1))
    except Exception:
        pass

for kind in EVENTS:
    pyatspi.Registry.registerEventListener(heard, kind)
out.write("ready\n")
pyatspi.Registry.start()
