#pragma once

#include "PictureSet.h"

// A 640 x 480 mock-up of the main window built from the pictures alone: the tiled ground, the
// starry chart with sample curves, the command buttons, the clip's first frame, the legend and
// the icons. It is for looking at the set as a whole, not a copy of the real window.
QImage drawPreview(const QList<NamedPicture>& pictures, const QImage& clipFrame);
