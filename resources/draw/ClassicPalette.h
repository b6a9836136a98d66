#pragma once

#include <QList>
#include <QRgb>

// The 256 colours the starry sky and the animation clip are limited to: a 6 x 6 x 6 colour cube
// (steps of 51) and a ramp of 40 further greys for soft stars and dark shading.
QList<QRgb> classicPalette();
