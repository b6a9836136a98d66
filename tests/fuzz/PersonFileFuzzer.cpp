// libFuzzer target for the DATA.DAT reader. Besides crashes and sanitizer findings it stops on
// a broken list invariant, on a text the file cannot hold, and on a list that does not survive
// being written and read again: every list the reader gives loads cleanly, with the same
// persons, from what the writer makes of it.

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
    check(PersonFile::checkHeld(list).worked());

    // Long lists only repeat what short ones show, at a high cost per run.
    if (list.personCount() <= 2000) {
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
