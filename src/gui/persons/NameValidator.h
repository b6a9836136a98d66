#pragma once

#include <QValidator>

// Keeps a name storable in DATA.DAT: the file is Windows-1252 and writes names between double
// quotes without escaping, so characters outside the code page, double quotes and line breaks
// cannot come back from it (PersonFile::holds). Such characters are taken out of whatever is typed
// or pasted, the rest is kept, and refused() names what was taken out.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void refused(const QString& characters);
};
