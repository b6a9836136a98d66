#pragma once

#include "cli/NoticeSender.h"

// The notifications of the library beside the program, loaded on their first use; without the
// library, send() says why nothing was sent.
class NoticeLibrary final : public NoticeSender {
public:
    Outcome send(const std::vector<Notice>& notices) override;
};
