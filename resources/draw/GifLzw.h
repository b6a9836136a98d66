#pragma once

#include <QByteArray>

// GIF's variable-length LZW: codes of minCodeSize + 1 to 12 bits, packed least significant bit
// first, starting with a clear code and ending with the end code. When the code table is full
// a clear code starts a fresh table. Every index must be below 2^minCodeSize (2 to 8).
QByteArray gifLzwEncode(const QByteArray& indices, int minCodeSize);
