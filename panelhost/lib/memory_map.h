// The address ranges a loaded module occupies, so that every pointer read
// from the module can be checked before it is followed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace panel {

class MemoryMap {
public:
    // Collects the loaded segments of the library opened as dl_handle.
    bool Build(void* dl_handle, std::string* err);

    // [p, p + n) lies inside one segment that is readable (and writable).
    bool Readable(const void* p, size_t n) const;
    bool Writable(const void* p, size_t n) const;
    // p is the address of code of the module.
    bool Executable(const void* p) const;
    // A string inside the module, at most max_len characters before its
    // terminating zero.
    bool String(const char* p, size_t max_len, std::string* out) const;

    template <typename T>
    bool ReadableArray(const T* p, size_t count) const {
        return count <= SIZE_MAX / sizeof(T) && Readable(p, count * sizeof(T));
    }

private:
    struct Range {
        uintptr_t begin, end;
        bool read, write, exec;
    };
    const Range* Find(uintptr_t p) const;
    std::vector<Range> ranges_;
};

}  // namespace panel
