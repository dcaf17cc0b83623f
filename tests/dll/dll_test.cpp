// survey.dll as a host sees it: loaded with LoadLibrary, its export, calling convention and
// version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "survey.h"
#include "tests/support/survey_dll_win32.h"

namespace {

TEST(Dll, LoadsAndExportsDoSurveyV2ByNameAndOrdinal1) {
    SurveyLibrary lib;
    ASSERT_NE(lib.module, nullptr) << "LoadLibrary error " << GetLastError();
    FARPROC byName = GetProcAddress(lib.module, "DoSurveyV2");
    FARPROC byOrdinal = GetProcAddress(lib.module, MAKEINTRESOURCEA(1));
    EXPECT_NE(byName, nullptr);
    EXPECT_EQ(byName, byOrdinal);
    EXPECT_EQ(GetProcAddress(lib.module, "DoSurveyV2@16"), nullptr) << "only the plain name is exported";
    EXPECT_EQ(GetProcAddress(lib.module, "_DoSurveyV2@16"), nullptr);
}

#ifndef _WIN64
// Pushes the four arguments and calls fn by hand, the way any stdcall caller does, and
// reports how far ESP moved across the call (0 when the callee popped its 16 bytes).
int CallStdcallMeasuringStack(FARPROC fn, int direction, const void* host, int* result) {
    int before, moved, ret;
    asm volatile(
        "movl %%esp, %0\n\t"
        "pushl %5\n\t"
        "pushl %4\n\t"
        "pushl $0\n\t"
        "pushl $0\n\t"
        "call *%3\n\t"
        "movl %%esp, %1\n\t"
        "subl %0, %1\n\t"
        "movl %0, %%esp\n\t"
        : "=&b"(before), "=&S"(moved), "=a"(ret)
        : "D"(fn), "c"(direction), "d"(host)
        : "memory", "cc");
    *result = ret;
    return moved;
}

TEST(Dll, StdcallCalleePopsItsArguments) {
    SurveyLibrary lib;
    ASSERT_NE(lib.module, nullptr);
    FARPROC fn = GetProcAddress(lib.module, "DoSurveyV2");
    ASSERT_NE(fn, nullptr);
    SURVEY_HOST_BLOCK host = {};
    // An entry direction that is neither forward nor backward returns at once, no page shown.
    for (int direction : {0, 3, -7}) {
        SCOPED_TRACE(direction);
        int result = 12345;
        EXPECT_EQ(CallStdcallMeasuringStack(fn, direction, &host, &result), 0);
        EXPECT_EQ(result, SURVEY_RESULT_FAILED);
    }
    // Through the typed pointer a host would declare.
    auto typed = reinterpret_cast<DoSurveyV2Proc>(reinterpret_cast<void*>(fn));
    EXPECT_EQ(typed(0, nullptr, 0, &host), SURVEY_RESULT_FAILED);
}
#endif  // the stack check is about the 32-bit stdcall convention

TEST(Dll, VersionResource) {
    std::string path = SurveyDllPath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, &data[0]));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000006u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000006u);
    EXPECT_EQ(fixed->dwFileOS, 0x40004u);
    EXPECT_EQ(fixed->dwFileType, 1u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &len));
    ASSERT_EQ(len, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);

    const struct { const char* name; const char* value; } strings[] = {
        {"FileVersion", "1, 1, 0, 6"},
        {"ProductVersion", "1, 1, 0, 6"},
        {"OriginalFilename", "survey.dll"},
    };
    for (const auto& s : strings) {
        SCOPED_TRACE(s.name);
        char* value = nullptr;
        std::string query = std::string("\\StringFileInfo\\040904b0\\") + s.name;
        ASSERT_TRUE(VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &len));
        EXPECT_STREQ(value, s.value);
    }
}

}  // namespace
