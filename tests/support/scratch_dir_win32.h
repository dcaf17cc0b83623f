// A folder of the running test's own under the temp folder, so test programs running side
// by side never share files, and nothing is left behind after the test.
#pragma once

#include <windows.h>

#include <string>

// Deletes path with everything in it; false when something could not be removed (a file
// still open, for instance).
inline bool RemoveTree(const std::string& path) {
    bool removed = true;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removed &= RemoveTree(child);
            else
                removed &= DeleteFileA(child.c_str()) != 0;
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(path.c_str()) != 0 && removed;
}

// A new folder named prefix-process-serial; Remove() (or the destructor) deletes it.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& prefix) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        static int serial = 0;
        path_ = std::string(temp) + prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        RemoveTree(path_);  // a folder left by an earlier process with the same id
        created_ = CreateDirectoryA(path_.c_str(), nullptr) != 0;
    }
    ~ScratchDir() {
        if (!removed_) RemoveTree(path_);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    bool created() const { return created_; }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    // Deletes the folder now; false when something in it could not be removed.
    bool Remove() {
        removed_ = true;
        return RemoveTree(path_);
    }

private:
    std::string path_;
    bool created_ = false;
    bool removed_ = false;
};
