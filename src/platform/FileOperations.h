#pragma once
// Copying and deleting single files; failures throw CommandError.
#include <string_view>

namespace wf {

class FileOperations {
public:
    virtual ~FileOperations() = default;
    // Replaces an existing destination file. An empty destination, a missing
    // folder, or the source file itself as destination fail.
    virtual void Copy(std::u16string_view from, std::u16string_view to) = 0;
    virtual void Delete(std::u16string_view path) = 0;
};

}  // namespace wf
