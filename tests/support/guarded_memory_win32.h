// Memory a caller hands over, placed so that its last byte lies just before a
// PAGE_NOACCESS page: a read past its end faults instead of reading the next bytes. The
// platform's own calls catch some faults inside themselves, so a FaultCounter counts the
// first-chance access violations of the whole process while it lives.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>

class GuardedBytes {
public:
    explicit GuardedBytes(size_t size) : size_(size) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        size_t page = info.dwPageSize;
        size_t usable = (size + page - 1) / page * page;
        base_ = static_cast<char*>(VirtualAlloc(nullptr, usable + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        if (base_) {
            DWORD old;
            VirtualProtect(base_ + usable, page, PAGE_NOACCESS, &old);
            bytes_ = base_ + usable - size;
        }
    }
    ~GuardedBytes() {
        if (base_) VirtualFree(base_, 0, MEM_RELEASE);
    }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    char* data() const { return bytes_; }
    size_t size() const { return size_; }
    void Fill(const void* from) { std::memcpy(bytes_, from, size_); }

private:
    char* base_ = nullptr;
    char* bytes_ = nullptr;
    size_t size_;
};

class FaultCounter {
public:
    FaultCounter() : handler_(AddVectoredExceptionHandler(1, Count)) { faults_ = 0; }
    ~FaultCounter() {
        if (handler_) RemoveVectoredExceptionHandler(handler_);
    }
    FaultCounter(const FaultCounter&) = delete;
    FaultCounter& operator=(const FaultCounter&) = delete;
    long faults() const { return faults_; }

private:
    static LONG CALLBACK Count(EXCEPTION_POINTERS* e) {
        if (e->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) InterlockedIncrement(&faults_);
        return EXCEPTION_CONTINUE_SEARCH;
    }
    static inline volatile LONG faults_ = 0;
    void* handler_;
};
