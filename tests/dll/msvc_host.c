/* A host as an MSVC toolchain builds it, linked against the kit's survey.lib: compiled for
   the MSVC target and linked by an MSVC-compatible linker, with no C runtime, only to see
   which name it imports. */
int __stdcall DoSurveyV2(int reserved, void *parent, int direction, const void *host);

int __stdcall HostEntry(void) { return DoSurveyV2(0, 0, 7, 0); }
