#pragma once
// A mailslot writer that keeps what it was given and answers as told.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/Mailslots.h"

namespace wf::test {

class FakeMailslots : public Mailslots {
public:
    struct Sent {
        std::u16string path;
        std::string bytes;
    };
    bool opens = true, writes = true;
    size_t shortBy = 0;  // bytes the write leaves out
    std::vector<Sent> sent;

    MailslotWrite Write(std::u16string_view path, std::string_view bytes) override {
        sent.push_back({std::u16string(path), std::string(bytes)});
        if (!opens) return {};
        return {true, writes, writes ? bytes.size() - std::min(shortBy, bytes.size()) : 0};
    }
};

}  // namespace wf::test
