#include "NameValidator.h"

#include "core/Windows1252.h"

bool NameValidator::storable(QChar c) {
    return c != u'"' && c != u'\r' && c != u'\n' && isWindows1252(c);
}

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    QString kept;
    QString removed;
    int keptBeforeCursor = 0;
    kept.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (storable(input[i])) {
            kept.append(input[i]);
            if (i < pos)
                ++keptBeforeCursor;
        } else if (!removed.contains(input[i])) {
            removed.append(input[i]);
        }
    }
    if (!removed.isEmpty()) {
        input = kept;
        pos = keptBeforeCursor;
        // validate() is const by QValidator's contract; the signal only reports.
        emit const_cast<NameValidator*>(this)->refused(removed);
    }
    return Acceptable;
}

void NameValidator::fixup(QString& input) const {
    int pos = 0;
    validate(input, pos);
}
