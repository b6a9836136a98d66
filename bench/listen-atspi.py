#!/usr/bin/python3
# A screen reader's ears for figure 14: listens to every object, window and focus event on the
# accessibility bus, so that Qt's bridge sends them, until it is killed.
import pyatspi

pyatspi.Registry.registerEventListener(lambda event: None, "object:", "window:", "focus:")
pyatspi.Registry.start()
