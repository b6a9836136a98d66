#include "NameValidator.h"

#include "core/PersonFile.h"

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    QString kept;
    QString removed;
    int keptBeforeCursor = 0;
    kept.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (PersonFile::holds(input[i])) {
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
