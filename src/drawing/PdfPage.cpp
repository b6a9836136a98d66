#include "PdfPage.h"

namespace {
constexpr int PageResolution = 600;
} // namespace

std::unique_ptr<QPdfWriter> pdfPageWriter(QIODevice* device, const QPageLayout& layout,
                                          const QString& title) {
    auto writer = std::make_unique<QPdfWriter>(device);
    writer->setPageLayout(layout);
    writer->setResolution(PageResolution);
    writer->setTitle(title);
    writer->setCreator(QStringLiteral("Biorhythmus"));
    return writer;
}
