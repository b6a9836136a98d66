#pragma once

#include <QImage>

// The pictures on the four command buttons, drawn pixel by pixel so they stay crisp.
QImage drawPersonsIcon(QSize size);
QImage drawHelpIcon(QSize size);
QImage drawPrintIcon(QSize size);
QImage drawExitIcon(QSize size);
