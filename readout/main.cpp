// survey-answers: the answers files the survey wrote, in the words the user saw.
//
//   survey-answers [--section NAME] [--csv | --json] FILE...
//   survey-answers --summary [--section NAME] [--csv | --json] [--chart DIR] FILE...
//
// Exit status: 0 when at least one file was read (skipped files are reported on their own
// lines), 1 when none could be, 2 for a wrong command line, 3 when a chart failed.
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#endif

#include "readout/answers_file.h"
#include "readout/catalog.h"
#include "readout/report.h"
#include "readout/summary.h"

namespace {

const char USAGE[] =
    "usage: survey-answers [--section NAME] [--csv | --json] [--summary [--chart DIR]] FILE...\n"
    "  Prints each answers file's answers in the words of the survey's pages.\n"
    "  --section NAME  the section the host named (default \"Survey\")\n"
    "  --csv           one row per file and question: file, key, question, codes, labels\n"
    "  --json          the same as a JSON document\n"
    "  --summary       tallies over all files: how many chose each answer, and what share\n"
    "  --chart DIR     with the summary, one bar chart per question: DIR/<key>.png (gnuplot)\n";

struct Options {
    std::string section = "Survey";
    ReportFormat format = FORMAT_TEXT;
    bool summary = false;
    std::string chartDir;
    std::vector<std::string> files;
};

bool ParseOptions(int argc, char** argv, Options* options, std::string* error) {
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool takesValue = arg == "--section" || arg == "--chart";
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            options->files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (takesValue && i + 1 == argc) {
            *error = arg + " needs a value";
            return false;
        } else if (arg == "--section") {
            options->section = argv[++i];
        } else if (arg == "--chart") {
            options->chartDir = argv[++i];
            options->summary = true;
        } else if (arg == "--csv" || arg == "--json") {
            ReportFormat format = arg == "--csv" ? FORMAT_CSV : FORMAT_JSON;
            if (options->format != FORMAT_TEXT && options->format != format) {
                *error = "--csv and --json exclude each other";
                return false;
            }
            options->format = format;
        } else if (arg == "--summary") {
            options->summary = true;
        } else {
            *error = "unknown option " + arg;
            return false;
        }
    }
    if (options->section.empty()) *error = "--section needs a name";
    else if (options->files.empty()) *error = "no answers file named";
    return error->empty();
}

bool MakeFolder(const std::string& path) {
#ifdef _WIN32
    int made = _mkdir(path.c_str());
#else
    int made = mkdir(path.c_str(), 0777);
#endif
    struct stat info;
    return made == 0 || (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
}

// Runs gnuplot on script; true when it drew without complaint.
bool RunGnuplot(const std::string& script) {
    const char* program = std::getenv("SURVEY_GNUPLOT");
    std::string command = std::string(program && *program ? program : "gnuplot");
#ifdef _WIN32
    FILE* plot = _popen(command.c_str(), "w");
#else
    FILE* plot = popen(command.c_str(), "w");
#endif
    if (!plot) return false;
    std::fwrite(script.data(), 1, script.size(), plot);
#ifdef _WIN32
    return _pclose(plot) == 0;
#else
    return pclose(plot) == 0;
#endif
}

bool DrawCharts(const Summary& summary, const std::string& folder) {
    if (!MakeFolder(folder)) {
        std::fprintf(stderr, "survey-answers: cannot make the chart folder %s\n", DisplayPath(folder).c_str());
        return false;
    }
    bool ok = true;
    for (const QuestionTally& tally : summary.questions) {
        std::string png = folder + "/" + tally.question->question->key + ".png";
        if (RunGnuplot(ChartScript(summary, tally, png))) {
            std::fprintf(stderr, "survey-answers: chart %s\n", DisplayPath(png).c_str());
        } else {
            std::fprintf(stderr, "survey-answers: %s: gnuplot failed (is it installed?)\n", DisplayPath(png).c_str());
            ok = false;
        }
    }
    return ok;
}

int Run(int argc, char** argv) {
    Options options;
    std::string error;
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    if (!ParseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "survey-answers: %s\n%s", error.c_str(), USAGE);
        return 2;
    }
    Catalog catalog;
    if (!LoadSurveyCatalog(&catalog, &error)) {
        std::fprintf(stderr, "survey-answers: the page texts built into this program are damaged: %s\n", error.c_str());
        return 2;
    }

    std::vector<AnswersFile> files;
    Summary summary = StartSummary(catalog);
    int filesRead = 0;
    for (const std::string& path : options.files) {
        AnswersFile file = ReadAnswersFile(path, options.section, catalog);
        if (file.verdict == FILE_READ) {
            ++filesRead;
        } else {
            std::fprintf(stderr, "survey-answers: %s: %s\n", DisplayPath(path).c_str(), file.reason.c_str());
        }
        if (options.summary) {
            AddToSummary(&summary, file);
        } else {
            files.push_back(std::move(file));
        }
    }

    std::string out = options.summary ? FormatSummary(summary, options.section, options.format)
                                      : FormatAnswers(catalog, files, options.section, options.format);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    if (filesRead == 0) {
        std::fprintf(stderr, "survey-answers: no answers file could be read\n");
        return 1;
    }
    if (!options.chartDir.empty() && !DrawCharts(summary, options.chartDir)) return 3;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The labels are UTF-8: a console shows them so while the command runs, and gets its
    // own code page back afterwards.
    UINT consolePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    int status = Run(argc, argv);
    if (consolePage) SetConsoleOutputCP(consolePage);
    return status;
#else
    // A plotting program that ends early must fail its chart, not end this command.
    std::signal(SIGPIPE, SIG_IGN);
    return Run(argc, argv);
#endif
}
