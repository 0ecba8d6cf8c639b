// SPDX-License-Identifier: MIT
#pragma once

#include <unistd.h>

namespace TarnViewModel {

// An open file or folder descriptor, closed however the step that opened it ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
    }

    int Get() const { return descriptor_; }
    bool IsOpen() const { return descriptor_ >= 0; }

private:
    int descriptor_;
};

}  // namespace TarnViewModel
