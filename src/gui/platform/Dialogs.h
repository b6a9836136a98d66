#pragma once

#include <QString>

class Outcome;
class QWidget;

// The message boxes and file dialogs the program shows, behind one small interface so that
// tests can answer them without a person at the screen.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with an OK button only.
    virtual void inform(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void warn(QWidget* parent, const QString& title, const QString& text) = 0;

    // A Yes/No question without an icon; Yes is the default button. True for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;

    // A file name to save to, or an empty text when the user cancels.
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& suggestedPath, const QString& filter) = 0;
};

// Message boxes show their text as plain text, as typed: names and file names in them are
// the user's data, never markup.
class WidgetDialogs final : public Dialogs {
public:
    void inform(QWidget* parent, const QString& title, const QString& text) override;
    void warn(QWidget* parent, const QString& title, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override;

    // From now on no box is shown, for a program that leaves without waiting for anyone:
    // messages go to standard error, questions are answered No and file dialogs cancelled.
    void stopAsking() { m_unattended = true; }

private:
    bool m_unattended = false;
};

// The program's short title, used on its message boxes.
QString programTitle();

// How the windows put a failure from below them into words, read now: its sentence, and what
// the system said below it in parentheses, "<sentence>\n\n(<detail>)".
QString failureText(const Outcome& failure);

// Shows a failure in that form as a warning with the program's title; nothing when it worked.
void showFailure(Dialogs& dialogs, QWidget* parent, const Outcome& outcome);
