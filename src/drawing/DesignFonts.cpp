#include "DesignFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
// Not QFontDatabase::hasFamily(), which counts fontconfig's aliases as installed.
QString firstInstalled(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return families.first();
}
} // namespace

QString arialFamily() {
    static const QString family =
        firstInstalled({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    return family;
}

QString msSansSerifFamily() {
    static const QString family =
        firstInstalled({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Arial")});
    return family;
}
