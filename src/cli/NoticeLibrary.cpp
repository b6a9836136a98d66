#include "NoticeLibrary.h"

#include "core/ProgramLibrary.h"

Outcome NoticeLibrary::send(const std::vector<Notice>& notices) {
    using Entry = decltype(&biorhythmusNotices);
    Outcome problem;
    const auto entry = reinterpret_cast<Entry>(
        programLibraryEntry("libbiorhythmus-notify.so", "biorhythmusNotices", problem));
    return entry ? entry()->send(notices) : problem;
}
