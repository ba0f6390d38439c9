#pragma once
#include "platform/Mailslots.h"

namespace wf::win {

class Win32Mailslots : public Mailslots {
public:
    MailslotWrite Write(std::u16string_view path, std::string_view bytes) override;
};

}  // namespace wf::win
