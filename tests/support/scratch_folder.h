// A scratch folder for native tests under /tmp, removed with everything in it.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

struct ScratchFolder {
    std::string path;
    ScratchFolder() {
        char pattern[] = "/tmp/survey-test-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~ScratchFolder() { std::system(("rm -rf '" + path + "'").c_str()); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Writes a file of these bytes into the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::string file = path + "/" + name;
        FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return file;
    }
};
