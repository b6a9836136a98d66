#include "PersonEditor.h"

#include "core/Clock.h"
#include "core/DateRules.h"
#include "core/PersonList.h"
#include "drawing/Grid.h"
#include "gui/controls/Announcer.h"
#include "gui/controls/ContextMenuKey.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/FocusRing.h"
#include "gui/controls/Form.h"
#include "gui/controls/Stepper.h"
#include "gui/persons/BirthDateInput.h"
#include "gui/persons/NameValidator.h"
#include "gui/persons/PersonTakeOver.h"
#include "gui/platform/BusyCursor.h"
#include "gui/platform/Dialogs.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>

namespace {
constexpr int GridDivisor = 7;

// A caption of the editor: light grey bold Arial straight on the grid.
struct Caption {
    const char* name;
    const char* text;
    Twips where;
    double points;
};
constexpr std::array<Caption, 4> Captions{{
    {"Label3", QT_TRANSLATE_NOOP("PersonEditor", "PERSONEN DATENBANK"), {30, 90, 2985, 285}, 12},
    {"Label1", QT_TRANSLATE_NOOP("PersonEditor", "Name:"), {150, 870, 735, 255}, 8.25},
    {"Label2", QT_TRANSLATE_NOOP("PersonEditor", "Geb.datum:"), {150, 1230, 1005, 255}, 8.25},
    {"lblCurrRecord", QT_TRANSLATE_NOOP("PersonEditor", "Person"), {1770, 1620, 2115, 345}, 9.75},
}};

// The buttons C2(0..5), in the order of PersonEditor::Command.
struct Button {
    const char* text;
    Twips where;
};
constexpr std::array<Button, 6> ButtonsC2{{
    {QT_TRANSLATE_NOOP("PersonEditor", "Person hinzufügen "), {4320, 791, 1689, 360}},
    {QT_TRANSLATE_NOOP("PersonEditor", "Person löschen"), {4320, 1182, 1689, 360}},
    {QT_TRANSLATE_NOOP("PersonEditor", "Speichern"), {6480, 791, 1689, 360}},
    {QT_TRANSLATE_NOOP("PersonEditor", "Exit"), {6480, 1182, 1689, 360}},
    {QT_TRANSLATE_NOOP("PersonEditor", "Person übernehmen"), {4320, 1950, 3840, 360}},
    {QT_TRANSLATE_NOOP("PersonEditor", "Partnervergleich..."), {150, 1950, 1950, 360}},
}};

QLabel* caption(QWidget* parent, const Caption& wanted) {
    return textLabel(parent, QLatin1String(wanted.name), wanted.where,
                     PersonEditor::tr(wanted.text), arial(wanted.points, true),
                     QColor(224, 224, 224));
}
} // namespace

PersonEditor::PersonEditor(const Services& services, QWidget* parent)
    : FramedDialog(Twips{0, 0, 8610, 2715}.toPixels().size(), parent), m_persons(services.persons),
      m_takeOver(services.takeOver), m_dialogs(services.dialogs), m_clock(services.clock),
      m_store(services.persons, services.location) {
    setObjectName(QStringLiteral("Data"));
    setModal(true);
    setWindowTitle(QString());
    setAccessibleName(tr("Personen-Datenbank"));
    QWidget* area = client();

    Label3 = caption(area, Captions[0]);
    Label1 = caption(area, Captions[1]);
    Label2 = caption(area, Captions[2]);
    lblCurrRecord = caption(area, Captions[3]);

    txtName = place(new QLineEdit(area), QStringLiteral("txtName"), {1320, 795, 2535, 360});
    txtName->setFont(arial(9.75, true));
    QPalette field = txtName->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        field.setColor(group, QPalette::Base, Qt::white);
        field.setColor(group, QPalette::Text, Qt::black);
    }
    txtName->setPalette(field);
    txtName->setMaxLength(32767);
    txtName->setAccessibleName(tr("Name"));
    m_nameValidator = new NameValidator(txtName);
    m_nameValidator->setObjectName(QStringLiteral("nameValidator"));
    txtName->setValidator(m_nameValidator);
    connect(m_nameValidator, &NameValidator::refused, this, &PersonEditor::showRefused);
    connect(txtName, &QLineEdit::textEdited, this, [this](const QString& typed) {
        if (m_persons.personCount() < 1 && !typed.isEmpty())
            addPerson(typed);
    });
    txtName->installEventFilter(this);
    Label1->setBuddy(txtName);

    DT = place(new BirthDateInput(area), QStringLiteral("DT"), {1320, 1170, 2535, 345});
    DT->setFont(arial(9.75, true));
    DT->setAccessibleName(tr("Geburtsdatum"));
    DT->dateInput()->setAccessibleName(tr("Geburtsdatum"));
    Label2->setBuddy(DT);

    UpDown1 = place(new Stepper(area), QStringLiteral("UpDown1"), {2190, 1950, 825, 375});
    UpDown1->setAccessibleName(tr("Vorherige oder nächste Person"));
    UpDown1->leftButton()->setAccessibleName(tr("Vorherige Person"));
    UpDown1->rightButton()->setAccessibleName(tr("Nächste Person"));
    connect(UpDown1, &Stepper::stepLeft, this, &PersonEditor::stepLeft);
    connect(UpDown1, &Stepper::stepRight, this, &PersonEditor::stepRight);

    for (int i = 0; i < int(ButtonsC2.size()); ++i) {
        const QString text = tr(ButtonsC2[i].text);
        auto* button = place(new QPushButton(text, area), indexed("C2", i), ButtonsC2[i].where);
        button->setFont(arial(8.25, true));
        button->setAutoDefault(false);
        button->setAccessibleName(text.trimmed());
        connect(button, &QPushButton::clicked, this,
                [this, i] { command(static_cast<Command>(i)); });
        C2[i] = button;
    }

    for (QWidget* control :
         std::initializer_list<QWidget*>{txtName, DT, C2[0], C2[1], C2[2], C2[3], C2[4], C2[5]})
        FocusRing::attach(control);
    // The birth date follows the name it stands under; the comparison comes before the take-over
    // it stands beside.
    chainTabOrder({txtName, DT, C2[0], UpDown1, C2[1], C2[2], C2[3], C2[5], C2[4]});

    m_announcer = new Announcer(area);
    addContextMenuKey(this);

    if (parent)
        parent->window()->installEventFilter(this);
}

PersonEditor::~PersonEditor() {
    // Destroyed while still open, e.g. with its parent: the list is still written.
    if (!m_closed) {
        StoreRecord();
        m_closed = true;
        save(nullptr);
    }
}

void PersonEditor::load() {
    // A full list is a gigabyte and takes seconds to read and to write.
    const BusyCursor reading;
    showFailure(m_dialogs, parentWidget(), m_store.LoadPersons());
    ShowRecord();
}

void PersonEditor::StoreRecord() {
    if (m_persons.personCount() < 1)
        return;
    Person& person = m_persons.person(m_persons.currentPerson());
    // A name longer than the field holds is shown cut; it stays whole unless the user edits it.
    if (txtName->isModified() || person.Name.size() <= txtName->maxLength())
        person.Name = txtName->text();
    if (DT->hasDate())
        person.BirthDate = shortDateText(DT->date());
}

void PersonEditor::ShowRecord() {
    if (m_persons.personCount() >= 1) {
        EnableFields(true);
        const Person& person = m_persons.person(m_persons.currentPerson());
        txtName->setText(person.Name);
        txtName->setToolTip(person.Name.size() > txtName->maxLength()
                                ? tr("Der Name ist länger als %1 Zeichen; das Feld zeigt nur "
                                     "seinen Anfang. Solange Sie ihn nicht ändern, bleibt er "
                                     "vollständig erhalten; nach einer Änderung wird gespeichert, "
                                     "was das Feld zeigt.")
                                      .arg(txtName->maxLength())
                                : QString());
        DT->setBirthText(person.BirthDate);
        lblCurrRecord->setText(
            tr("Person %1 von %2").arg(m_persons.currentPerson()).arg(m_persons.personCount()));
        const QString shown = lblCurrRecord->text();
        UpDown1->setSpokenValue(person.Name.isEmpty() ? shown
                                                      : shown + QStringLiteral(": ") + person.Name,
                                m_persons.currentPerson());
    } else {
        EnableFields(false);
        txtName->clear();
        DT->setBirthText(QString());
        lblCurrRecord->setText(tr("Keine Einträge"));
        UpDown1->setSpokenValue(lblCurrRecord->text(), 0);
    }
}

void PersonEditor::EnableFields(bool enabled) {
    txtName->setEnabled(enabled);
    DT->setEnabled(enabled);
}

void PersonEditor::stepLeft() {
    showPerson(m_persons.currentPerson() - 1);
}

void PersonEditor::stepRight() {
    showPerson(m_persons.currentPerson() + 1);
}

// Keeps the edits of the current person, then shows the person with that number, if any.
void PersonEditor::showPerson(int number) {
    if (number < 1 || number > m_persons.personCount())
        return;
    StoreRecord();
    m_persons.setCurrentPerson(number);
    ShowRecord();
}

void PersonEditor::command(Command which) {
    switch (which) {
    case Command::Add:
        addPerson();
        break;
    case Command::Delete:
        deletePerson();
        break;
    case Command::Save: {
        const BusyCursor writing;
        StoreRecord();
        save(this);
        break;
    }
    case Command::Exit:
        accept();
        break;
    case Command::TakeOver:
        takeOverPerson();
        break;
    case Command::Compare:
        comparePerson();
        break;
    }
}

void PersonEditor::addPerson(const QString& name) {
    if (m_persons.isFull()) {
        m_dialogs.inform(this, programTitle(),
                         tr("Die Personenliste ist voll: Sie fasst höchstens %1 Personen.")
                             .arg(PersonList::MaxCount));
        return;
    }
    StoreRecord();
    m_persons.append();
    m_persons.setCurrentPerson(m_persons.personCount());
    m_persons.person(m_persons.currentPerson()).Name = name;
    DT->setDate(m_clock.today());
    ShowRecord();
    txtName->setFocus();
    m_announcer->announce(lblCurrRecord->text());
}

void PersonEditor::deletePerson() {
    if (m_persons.personCount() < 1)
        return;
    const QString& name = m_persons.person(m_persons.currentPerson()).Name;
    if (!m_dialogs.askYesNo(this, QStringLiteral("Vorax Biorhytmus v2.0"),
                            tr("Sind Sie sicher, das die Person ") + name +
                                tr(" gelöscht werden soll ?")))
        return;
    m_persons.removeAt(m_persons.currentPerson());
    ShowRecord();
    m_announcer->announce(lblCurrRecord->text());
}

// A name without a birth date would show beside the old birth date in the main window, as if
// it were this person's; so only a person with a date is taken over.
void PersonEditor::takeOverPerson() {
    if (DT->hasDate())
        m_takeOver.takeOver(txtName->text(), DT->date());
    else
        m_dialogs.inform(this, programTitle(),
                         tr("Ohne Geburtsdatum kann die Person nicht übernommen werden. "
                            "Das Hauptfenster bleibt unverändert."));
    accept();
}

// The comparison opens over the editor, which stays open; the list it offers holds the edits.
void PersonEditor::comparePerson() {
    if (!DT->hasDate()) {
        m_dialogs.inform(this, programTitle(),
                         tr("Ohne Geburtsdatum kann die Person nicht verglichen werden."));
        return;
    }
    StoreRecord();
    m_takeOver.compareWith(this, txtName->text(), DT->date());
}

void PersonEditor::done(int result) {
    closingSequence();
    QDialog::done(result);
}

void PersonEditor::closingSequence() {
    if (m_closed)
        return;
    m_closed = true;
    const BusyCursor writing;
    StoreRecord();
    save(this);
}

// Writes the list and tells what there is to tell: a broken file kept, then each failure.
void PersonEditor::save(QWidget* parent) {
    const PersonStore::Saved saved = m_store.SavePersons();
    if (!saved.keptNotice.isEmpty())
        m_dialogs.inform(parent, programTitle(), saved.keptNotice.text());
    for (const Outcome& failure : saved.failures)
        showFailure(m_dialogs, parent, failure);
}

void PersonEditor::paintClient(QPainter& painter) {
    drawGrid(painter, client()->size(), GridDivisor);
}

bool PersonEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtName && m_persons.personCount() < 1)
        openNameWhileEmpty(event->type());
    // The main window closing closes the editor, with its closing sequence.
    if (parentWidget() && watched == parentWidget()->window() && event->type() == QEvent::Close &&
        isVisible())
        reject();
    return QDialog::eventFilter(watched, event);
}

// With no persons the fields wait for "Person hinzufügen ". A click into the name field opens
// it all the same, and the first character typed there adds the person, as the button would:
// otherwise the focus stays on the button, and the first blank typed would press it. Leaving
// the field with nothing typed closes it again.
void PersonEditor::openNameWhileEmpty(QEvent::Type happened) {
    if (happened == QEvent::MouseButtonPress && !txtName->isEnabled()) {
        txtName->setEnabled(true);
        txtName->setFocus(Qt::MouseFocusReason);
    } else if (happened == QEvent::FocusOut && txtName->isEnabled()) {
        EnableFields(false);
    }
}

void PersonEditor::showRefused(const QString& characters) {
    const QString note = tr("Nicht übernommen: %1 – DATA.DAT speichert nur westeuropäische Zeichen "
                            "(Windows-1252) und keine Anführungszeichen.")
                             .arg(characters);
    txtName->setToolTip(note);
    txtName->setAccessibleDescription(note);
    if (txtName->isVisible())
        QToolTip::showText(txtName->mapToGlobal(QPoint(0, txtName->height())), note, txtName);
}

void openPersonEditor(QWidget* parent, PersonList& persons, PersonTakeOver& takeOver,
                      Dialogs& dialogs, const Clock& clock, const PersonFileLocation& location,
                      const std::function<void(QWidget*)>& openHelp) {
    QPointer<PersonEditor> editor = new PersonEditor(
        PersonEditor::Services{persons, takeOver, dialogs, clock, location}, parent);
    if (openHelp) {
        auto* help = new QAction(editor);
        help->setShortcut(QKeySequence(Qt::Key_F1));
        editor->addAction(help);
        QObject::connect(help, &QAction::triggered, editor,
                         [openHelp, editor] { openHelp(editor); });
    }
    editor->load();
    editor->exec();
    delete editor.data();
}
