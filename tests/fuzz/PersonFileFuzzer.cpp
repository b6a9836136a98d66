// libFuzzer target for the DATA.DAT reader. Besides crashes and sanitizer findings it stops on
// a broken list invariant, and on a list that does not survive being written and read again.

#include "core/PersonFile.h"
#include "core/PersonList.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition) {
    if (!condition)
        std::abort();
}

// A quote or a line break inside a text is written as it is and then not read cleanly again.
bool holdsUnwritable(const PersonList& list) {
    const auto unwritable = [](const QString& text) {
        return text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    };
    for (int i = 1; i <= list.personCount(); ++i) {
        if (unwritable(list.person(i).Name) || unwritable(list.person(i).BirthDate))
            return true;
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);

    PersonList list;
    list.append(Person{QStringLiteral("Vorher"), QStringLiteral("01.01.2000")});
    list.setCurrentPerson(1);
    const PersonList before = list;
    const Outcome read = PersonFile::read(device, list);
    const bool ok = read.worked();
    const QString error = read.text();

    check(list.personCount() >= 0 && list.personCount() <= PersonList::MaxCount);
    check(list.personCount() == 0
              ? list.currentPerson() == 0
              : list.currentPerson() >= 1 && list.currentPerson() <= list.personCount());
    check(ok == error.isEmpty());
    if (!ok) {
        check(error.startsWith(QLatin1String("DATA.DAT: ")));
        check(error.contains(QLatin1String("(Zeile ")));
    }
    if (!ok && list == before)
        return 0;

    // Long lists only repeat what short ones show, at a high cost per run.
    if (list.personCount() <= 2000 && !holdsUnwritable(list)) {
        QByteArray written = PersonFile::bytes(list);
        QBuffer again(&written);
        again.open(QIODevice::ReadOnly);
        PersonList reread;
        check(PersonFile::read(again, reread).worked());
        check(reread == list);
        check(PersonFile::bytes(reread) == written);
    }
    return 0;
}
