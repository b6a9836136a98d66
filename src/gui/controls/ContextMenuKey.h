#pragma once

class QWidget;

// Shift+F10 opens the context menu of the control that has the focus, as the menu key does;
// Qt gives that key no meaning of its own.
void addContextMenuKey(QWidget* window);
