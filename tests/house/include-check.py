"""Keeps the layers apart in the sources as the build does in the libraries: every quoted
include of a file under src/ names a folder its layer may see, and Qt headers come only from
the Qt modules its layer stands on. The build alone misses some of this: a bare name resolves
through any folder on the include path, and Qt's own include root reaches every module
(<QtWidgets/QLabel> builds in the core).

    include-check.py <src folder> <Qt include root>

Prints each offending include as file:line and fails; passes silently but for a count.
"""
import os
import re
import sys

# What each layer's quoted includes may name: folders under src/, or single files. The longest
# layer that holds a file is its own (cli/pictures before cli).
Visible = {
    "core": ["core"],
    "drawing": ["core", "drawing"],
    "gui": ["core", "drawing", "gui"],
    "cli": ["core", "cli"],
    "cli/pictures": ["core", "cli", "drawing"],
    "cli/notify": ["core", "cli"],
    "main": ["core", "cli", "gui/WindowEntry.h"],
}

# The Qt modules whose headers a layer may include: the core, the command line and the entry
# run on Qt Core alone; the drawing layer and the command line's pictures need no window; the
# command line's notifications talk D-Bus; the windows may use any.
Drawing = {"QtCore", "QtGui", "QtSvg"}
QtAllowed = {
    "core": {"QtCore"},
    "drawing": Drawing,
    "gui": None,
    "cli": {"QtCore"},
    "cli/pictures": Drawing,
    "cli/notify": {"QtCore", "QtDBus"},
    "main": {"QtCore"},
}

IncludeLine = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layerOf(relative):
    folders = [layer for layer in Visible if relative.startswith(layer + "/")]
    return max(folders, key=len) if folders else None


def qtModules(root):
    """Each Qt header's name, as written in an include, with the modules that hold it."""
    modules = {}
    for module in sorted(os.listdir(root)):
        folder = os.path.join(root, module)
        if module.startswith("Qt") and os.path.isdir(folder):
            for name in os.listdir(folder):
                modules.setdefault(name, set()).add(module)
                modules.setdefault(module + "/" + name, set()).add(module)
    return modules


def quotedProblem(source, name, layer, src):
    if "/" not in name:
        if os.path.isfile(os.path.join(os.path.dirname(source), name)):
            return None
        return "a bare name must be a file of the including file's own folder"
    if not any(name == seen or name.startswith(seen + "/") for seen in Visible[layer]):
        return "the layer %s sees only %s" % (layer, ", ".join(Visible[layer]))
    if not os.path.isfile(os.path.join(src, name)):
        return "names no file under src/"
    return None


def qtProblem(name, layer, modules):
    found = modules.get(name)
    if not found:
        return None  # the standard library or the system
    allowed = QtAllowed[layer]
    if allowed is None or found & allowed:
        return None
    return "the layer %s may not use %s" % (layer, ", ".join(sorted(found)))


def main():
    src, qtRoot = sys.argv[1], sys.argv[2]
    modules = qtModules(qtRoot)
    if "QtCore/QString" not in modules:
        sys.exit("no Qt headers under " + qtRoot)
    problems = []
    files = includes = 0
    for folder, _, names in os.walk(src):
        for file in sorted(names):
            if not file.endswith((".cpp", ".h")):
                continue
            source = os.path.join(folder, file)
            relative = os.path.relpath(source, src)
            layer = layerOf(relative)
            if layer is None:
                problems.append("%s: lies in no layer (%s)" % (relative, ", ".join(Visible)))
                continue
            files += 1
            with open(source, encoding="utf-8") as text:
                for number, line in enumerate(text, 1):
                    match = IncludeLine.match(line)
                    if not match:
                        continue
                    includes += 1
                    kind, name = match.groups()
                    if kind == '"':
                        problem = quotedProblem(source, name, layer, src)
                    else:
                        problem = qtProblem(name, layer, modules)
                    if problem:
                        problems.append("%s:%d: %s: %s" % (relative, number, name, problem))
    for problem in problems:
        print(problem)
    if problems or files == 0:
        sys.exit(1)
    print("%d files, %d includes, each within its layer" % (files, includes))


main()
