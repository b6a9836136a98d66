#include "ReminderDialog.h"

#include "core/DateRules.h"
#include "core/PersonList.h"
#include "drawing/Grid.h"
#include "gui/controls/Form.h"
#include "gui/platform/Dialogs.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimeEdit>
#include <algorithm>

namespace {
constexpr int GridDivisor = 7;
// An entry holds a name of the list, or a birth date typed in.
constexpr int NameRole = Qt::UserRole;
constexpr int BirthRole = Qt::UserRole + 1;

QListWidgetItem* entry(QListWidget* list, const QString& text, int role, const QVariant& value,
                       bool ticked) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setData(role, value);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    return item;
}

UiLanguage languageShown() {
    return uiLocale().language() == QLocale::English ? UiLanguage::English : UiLanguage::German;
}
} // namespace

ReminderDialog::ReminderDialog(const PersonList& persons, const CalendarPerson& shown,
                               const ReminderSwitch& reminders, Dialogs& dialogs, QWidget* parent)
    : FramedDialog(Twips{0, 0, 6000, 5400}.toPixels().size(), parent), m_reminders(reminders),
      m_dialogs(dialogs) {
    setObjectName(QStringLiteral("Reminders"));
    setModal(true);
    setAccessibleName(tr("Erinnerungen"));
    QWidget* area = client();
    gridCaption(area, QStringLiteral("Label1"), {150, 90, 4500, 285}, tr("ERINNERUNGEN"), 12);
    QLabel* what = gridCaption(area, QStringLiteral("Label2"), {150, 450, 5700, 510},
                               tr("Biorhythmus meldet die kritischen Tage von heute und morgen "
                                  "bei jeder Anmeldung und täglich zur gewählten Uhrzeit."),
                               8.25);
    what->setWordWrap(true);

    QLabel* personsCaption =
        gridCaption(area, QStringLiteral("Label3"), {150, 1080, 3000, 255}, tr("&Personen:"), 8.25);
    Persons = place(new QListWidget(area), QStringLiteral("Persons"), {150, 1380, 5700, 2160});
    Persons->setFont(arial(8.25));
    Persons->setAccessibleName(tr("Personen"));
    personsCaption->setBuddy(Persons);

    QLabel* timeCaption =
        gridCaption(area, QStringLiteral("Label4"), {150, 3705, 1200, 255}, tr("&Uhrzeit:"), 8.25);
    Time = place(new QTimeEdit(area), QStringLiteral("Time"), {1380, 3660, 1050, 330});
    Time->setDisplayFormat(QStringLiteral("HH:mm"));
    Time->setFont(arial(8.25, true));
    Time->setAccessibleName(tr("Uhrzeit"));
    timeCaption->setBuddy(Time);

    lblState =
        gridCaption(area, QStringLiteral("lblState"), {150, 4140, 5700, 510}, QString(), 8.25);
    lblState->setWordWrap(true);

    const std::array<QString, 3> texts{tr("&Einschalten"), tr("&Ausschalten"), tr("Schließen")};
    for (int i = 0; i < 3; ++i) {
        C4[i] = place(new QPushButton(texts[i], area), indexed("C4", i),
                      {150 + i * 1950, 4860, 1800, 360});
        C4[i]->setFont(arial(8.25, true));
        C4[i]->setAutoDefault(false);
    }
    connect(C4[0], &QPushButton::clicked, this, &ReminderDialog::switchOn);
    connect(C4[1], &QPushButton::clicked, this, &ReminderDialog::switchOff);
    connect(C4[2], &QPushButton::clicked, this, &QDialog::reject);
    chainTabOrder({Persons, Time, C4[0], C4[1], C4[2]});

    const std::optional<ReminderSetting> current = m_reminders.current();
    fillPersons(persons, shown, current);
    Time->setTime(current && current->time.isValid() ? current->time : QTime(8, 0));
    showState();
    Persons->setFocus();
}

void ReminderDialog::fillPersons(const PersonList& persons, const CalendarPerson& shown,
                                 const std::optional<ReminderSetting>& current) {
    // Ticked: what the reminder tells of now, or, while it is off, the person shown.
    const QString shownName = shown.name.trimmed();
    bool shownListed = false;
    for (int i = 1; i <= persons.personCount(); ++i) {
        const Person& person = persons.person(i);
        const QDate birth = parseDateText(person.BirthDate);
        if (person.Name.trimmed().isEmpty() || !birth.isValid())
            continue; // the command line could not tell of them
        shownListed |= person.Name == shownName;
        entry(Persons, tr("%1, geboren am %2").arg(person.Name, displayDateText(birth)), NameRole,
              person.Name,
              current ? current->persons.contains(person.Name) : person.Name == shownName);
    }
    std::vector<QDate> births = current ? current->births : std::vector<QDate>{};
    if (!shownListed && std::find(births.begin(), births.end(), shown.birth) == births.end())
        births.insert(births.begin(), shown.birth);
    for (const QDate& birth : births)
        entry(Persons, tr("Geburtsdatum %1").arg(displayDateText(birth)), BirthRole, birth,
              !current || std::find(current->births.begin(), current->births.end(), birth) !=
                              current->births.end());
    if (Persons->count() > 0)
        Persons->setCurrentRow(0);
}

ReminderSetting ReminderDialog::chosen() const {
    ReminderSetting setting;
    setting.time = Time->time();
    setting.language = languageShown();
    for (int row = 0; row < Persons->count(); ++row) {
        const QListWidgetItem* item = Persons->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        if (item->data(NameRole).isValid())
            setting.persons << item->data(NameRole).toString();
        else
            setting.births.push_back(item->data(BirthRole).toDate());
    }
    return setting;
}

void ReminderDialog::switchOn() {
    const ReminderSetting setting = chosen();
    if (setting.remindsOfNobody()) {
        m_dialogs.warn(this, programTitle(),
                       tr("Bitte wählen Sie mindestens eine Person, an deren kritische Tage "
                          "erinnert werden soll."));
        return;
    }
    const Outcome done = m_reminders.switchOn(setting);
    showState();
    if (done.worked())
        m_dialogs.inform(this, programTitle(), lblState->text());
    showFailure(m_dialogs, this, done);
}

void ReminderDialog::switchOff() {
    const Outcome done = m_reminders.switchOff();
    showState();
    if (done.worked())
        m_dialogs.inform(this, programTitle(), lblState->text());
    showFailure(m_dialogs, this, done);
}

void ReminderDialog::showState() {
    const std::optional<ReminderSetting> current = m_reminders.current();
    QString state;
    if (!current)
        state = tr("Die Erinnerung ist ausgeschaltet.");
    else if (current->time.isValid())
        state = tr("Die Erinnerung ist eingeschaltet: bei jeder Anmeldung und täglich um %1.")
                    .arg(current->time.toString(QStringLiteral("HH:mm")));
    else
        state = tr("Die Erinnerung ist eingeschaltet: bei jeder Anmeldung.");
    // Without a user manager nothing keeps a time of day.
    if (!m_reminders.keepsTime())
        state += QLatin1Char(' ') + tr("Zur Uhrzeit erinnert nur ein systemd-Benutzerdienst, und "
                                       "der läuft hier nicht.");
    Time->setEnabled(m_reminders.keepsTime());
    lblState->setText(state);
}

void ReminderDialog::paintClient(QPainter& painter) {
    drawGrid(painter, client()->size(), GridDivisor);
}

void openReminderDialog(QWidget* parent, const PersonList& persons, const CalendarPerson& shown,
                        const ReminderSwitch& reminders, Dialogs& dialogs) {
    auto* dialog = new ReminderDialog(persons, shown, reminders, dialogs, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
