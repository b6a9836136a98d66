#pragma once

#include <QDir>
#include <QStringList>

// Compares the files in the resources folder with freshly drawn pictures, pixel by pixel, and
// plays the clip back through QMovie the way the program does. Returns one line per problem.
QStringList checkPictures(const QDir& resources);
