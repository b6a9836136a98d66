#include "ReminderEntries.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReminderEntries)
};

const QString IconName = QStringLiteral("de.biorhythmus.Biorhythmus");

// One argument of a desktop entry's Exec key: '%' doubled against field codes, quoted where it
// holds a character the desktop entry format reserves, and then the string value's own escapes.
QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`");
    QString quoted;
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        needsQuotes = needsQuotes || reserved.contains(c);
        if (QStringLiteral("\"`$\\").contains(c))
            quoted += QLatin1Char('\\');
        quoted += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    if (needsQuotes)
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    else
        quoted = QString(argument).replace(QLatin1Char('%'), QLatin1String("%%"));
    return quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

// The character at i, or none past the end.
QChar charAt(const QString& text, qsizetype i) {
    return i < text.size() ? text.at(i) : QChar();
}

// The string value's escapes undone.
QString unescaped(const QString& value) {
    static const QString escapes = QStringLiteral("\\snrt");
    static const QString meant = QStringLiteral("\\ \n\r\t");
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const qsizetype known =
            value.at(i) == QLatin1Char('\\') ? escapes.indexOf(charAt(value, i + 1)) : -1;
        text += known < 0 ? value.at(i) : meant.at(known);
        i += known < 0 ? 0 : 1;
    }
    return text;
}

// The arguments of an Exec key, split and unquoted: the reverse of execArgument.
QStringList execArguments(const QString& value) {
    const QString text = unescaped(value);
    QStringList arguments;
    QString argument;
    bool quoted = false, started = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quoted && c.isSpace()) {
            if (started)
                arguments << argument;
            argument.clear();
            started = false;
            continue;
        }
        started = true;
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted && c == QLatin1Char('\\') && i + 1 < text.size())
            argument += text.at(++i);
        else if (c == QLatin1Char('%') && charAt(text, i + 1) == QLatin1Char('%'))
            argument += text.at(++i);
        else
            argument += c;
    }
    if (started)
        arguments << argument;
    return arguments;
}

// One argument of ExecStart: quoted, with C escapes, and '%' doubled against specifiers. An
// argument after the program also has '$' doubled against variables, which the program's own
// path does not take.
QString unitArgument(QString argument, bool program) {
    argument.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('%'), QLatin1String("%%"));
    if (!program)
        argument.replace(QLatin1Char('$'), QLatin1String("$$"));
    return QLatin1Char('"') + argument + QLatin1Char('"');
}

QString clock(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm"));
}

QByteArray lines(const QStringList& lines) {
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

// The value of a key in a file of KEY=value lines, for the first line with that key.
QString value(const QByteArray& file, const QString& key) {
    for (const QString& line : QString::fromUtf8(file).split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return QString();
}
} // namespace

QStringList reminderCommand(const QString& program, const ReminderSetting& setting) {
    QStringList command{program, QStringLiteral("--lang"),
                        setting.language == UiLanguage::English ? QStringLiteral("en")
                                                                : QStringLiteral("de"),
                        QStringLiteral("--notify")};
    for (const QString& person : setting.persons)
        command << QStringLiteral("--person") << person;
    for (const QDate& birth : setting.births)
        command << QStringLiteral("--birth") << birth.toString(Qt::ISODate);
    return command;
}

QByteArray autostartEntry(const QString& program, const ReminderSetting& setting, bool withTimer) {
    QStringList exec;
    for (const QString& argument : reminderCommand(program, setting))
        exec << execArgument(argument);
    QStringList entry{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + Texts::tr("Biorhythmus: kritische Tage melden"),
        QStringLiteral("Comment=") +
            Texts::tr("Meldet die kritischen Tage von heute und morgen auf dem Desktop."),
        QStringLiteral("Exec=") + exec.join(QLatin1Char(' ')),
        QStringLiteral("Icon=") + IconName,
        QStringLiteral("Terminal=false"),
        QStringLiteral("NoDisplay=true"),
    };
    if (withTimer)
        entry << QStringLiteral("X-systemd-skip=true");
    return lines(entry);
}

QByteArray reminderService(const QString& program, const ReminderSetting& setting) {
    QStringList exec;
    for (const QString& argument : reminderCommand(program, setting))
        exec << unitArgument(argument, exec.isEmpty());
    return lines({QStringLiteral("[Unit]"),
                  QStringLiteral("Description=") + Texts::tr("Biorhythmus: kritische Tage melden"),
                  QString(), QStringLiteral("[Service]"), QStringLiteral("Type=oneshot"),
                  QStringLiteral("ExecStart=") + exec.join(QLatin1Char(' '))});
}

QByteArray reminderTimer(const ReminderSetting& setting) {
    return lines(
        {QStringLiteral("[Unit]"),
         QStringLiteral("Description=") +
             Texts::tr("Biorhythmus: kritische Tage täglich um %1 melden").arg(clock(setting.time)),
         QString(), QStringLiteral("[Timer]"),
         QStringLiteral("OnCalendar=*-*-* %1:00").arg(clock(setting.time)),
         QStringLiteral("Persistent=true"), QString(), QStringLiteral("[Install]"),
         QStringLiteral("WantedBy=timers.target")});
}

std::optional<ReminderSetting> readReminderSetting(const QByteArray& entry,
                                                   const QByteArray& timer) {
    const QStringList command = execArguments(value(entry, QStringLiteral("Exec")));
    if (!command.contains(QLatin1String("--notify")))
        return std::nullopt;
    ReminderSetting setting;
    for (qsizetype i = 1; i + 1 < command.size(); ++i) {
        const QString& option = command[i];
        const QString& next = command[i + 1];
        if (option == QLatin1String("--person"))
            setting.persons << next;
        else if (option == QLatin1String("--birth"))
            setting.births.push_back(QDate::fromString(next, Qt::ISODate));
        else if (option == QLatin1String("--lang"))
            setting.language = uiLanguageNamed(next).value_or(UiLanguage::German);
        else
            continue;
        ++i;
    }
    static const QRegularExpression daily(QStringLiteral("^\\*-\\*-\\* (\\d\\d:\\d\\d):00$"));
    const QRegularExpressionMatch time = daily.match(value(timer, QStringLiteral("OnCalendar")));
    if (time.hasMatch())
        setting.time = QTime::fromString(time.captured(1), QStringLiteral("HH:mm"));
    return setting;
}
