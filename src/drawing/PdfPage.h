#pragma once

#include <QPageLayout>
#include <QPdfWriter>
#include <QString>
#include <memory>

class QIODevice;

// A PDF writer for a page of the program, on paper or in a file: laid out as given, titled, made
// by "Biorhythmus", at 600 dots per inch. The day report gives its line widths in device
// pixels; at this resolution its widest line is 1/150 inch.
std::unique_ptr<QPdfWriter> pdfPageWriter(QIODevice* device, const QPageLayout& layout,
                                          const QString& title);
