// Memory a caller hands over, placed so that its last byte lies just before a
// PAGE_NOACCESS page: a read past its end faults instead of reading the next bytes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

class GuardedBytes {
public:
    GuardedBytes(const void* from, size_t size) : size_(size) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        size_t usable = (size + page_ - 1) / page_ * page_;
        if (usable == 0) usable = page_;
        base_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, usable + page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        if (base_) {
            DWORD old;
            VirtualProtect(base_ + usable, page_, PAGE_NOACCESS, &old);
            bytes_ = base_ + usable - size;
            if (from && size) std::memcpy(bytes_, from, size);
        }
    }
    ~GuardedBytes() {
        if (base_) VirtualFree(base_, 0, MEM_RELEASE);
    }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    uint8_t* data() const { return bytes_; }
    uint32_t size() const { return static_cast<uint32_t>(size_); }
    uint8_t* guardPage() const { return bytes_ ? bytes_ + size_ : nullptr; }
    size_t pageSize() const { return page_; }

private:
    uint8_t* base_ = nullptr;
    uint8_t* bytes_ = nullptr;
    size_t size_;
    size_t page_ = 0;
};

// Counts the access faults in the no-access page right after a GuardedBytes while it
// lives, as they are raised. The page is then opened for reading so that the faulting read
// completes: the platform's calls may catch such a fault inside themselves, or (under
// wine64) not at all, and either way the count is what a test looks at.
class GuardFaults {
public:
    explicit GuardFaults(const GuardedBytes& bytes) {
        s_start = bytes.guardPage();
        s_page = bytes.pageSize();
        s_faults = 0;
        handler_ = AddVectoredExceptionHandler(1, Count);
    }
    ~GuardFaults() {
        if (handler_) RemoveVectoredExceptionHandler(handler_);
        DWORD old;
        if (s_faults) VirtualProtect(s_start, s_page, PAGE_NOACCESS, &old);
        s_start = nullptr;
    }
    GuardFaults(const GuardFaults&) = delete;
    GuardFaults& operator=(const GuardFaults&) = delete;

    bool installed() const { return handler_ != nullptr && s_start != nullptr; }
    LONG faults() const { return s_faults; }

private:
    static LONG CALLBACK Count(EXCEPTION_POINTERS* e) {
        const EXCEPTION_RECORD* r = e->ExceptionRecord;
        if (r->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || r->NumberParameters < 2 || !s_start)
            return EXCEPTION_CONTINUE_SEARCH;
        const auto* at = reinterpret_cast<const uint8_t*>(r->ExceptionInformation[1]);
        if (at < s_start || at >= s_start + s_page) return EXCEPTION_CONTINUE_SEARCH;
        ++s_faults;
        DWORD old;
        if (!VirtualProtect(s_start, s_page, PAGE_READONLY, &old)) return EXCEPTION_CONTINUE_SEARCH;
        return EXCEPTION_CONTINUE_EXECUTION;
    }

    static inline uint8_t* s_start = nullptr;
    static inline size_t s_page = 0;
    static inline volatile LONG s_faults = 0;
    void* handler_ = nullptr;
};
