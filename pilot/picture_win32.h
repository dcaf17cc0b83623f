// Pictures of windows, saved as PNG files through GDI+'s PNG encoder.
#pragma once

#include <windows.h>

#include <string>

// Starts GDI+ for the life of the object; pictures can be saved while it lives.
class PictureService {
public:
    PictureService();
    ~PictureService();
    PictureService(const PictureService&) = delete;
    PictureService& operator=(const PictureService&) = delete;
    bool Ready() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// Copies what the window shows, frame and caption included, from its window DC and writes
// it to path as a PNG. The window may belong to another process: that needs Wine's X11
// driver, as the null driver has no pixels of other processes' windows. On failure returns
// false with a message in error.
bool SaveWindowPicture(HWND window, const std::string& path, std::string* error);
