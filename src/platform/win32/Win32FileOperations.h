#pragma once
#include "platform/FileOperations.h"

namespace wf::win {

class Win32FileOperations : public FileOperations {
public:
    void Copy(std::u16string_view from, std::u16string_view to) override;
    void Delete(std::u16string_view path) override;
};

}  // namespace wf::win
