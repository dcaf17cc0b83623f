// The readout's outputs as text: one answers file in words, as CSV or as JSON, and the
// summary of many, with the plotting script of one question's chart.
#pragma once

#include <string>
#include <vector>

#include "readout/answers_file.h"
#include "readout/catalog.h"
#include "readout/summary.h"

enum ReportFormat { FORMAT_TEXT, FORMAT_CSV, FORMAT_JSON };

// A path safe to print: as it is when it is UTF-8 without control characters, else escaped.
std::string DisplayPath(const std::string& path);

// Every read file's answers, one after another; the skipped files are listed in JSON only
// (the command reports them on their own lines).
std::string FormatAnswers(const Catalog& catalog, const std::vector<AnswersFile>& files,
                          const std::string& section, ReportFormat format);

std::string FormatSummary(const Summary& summary, const std::string& section, ReportFormat format);

// A gnuplot script that draws tally as a bar chart into png.
std::string ChartScript(const Summary& summary, const QuestionTally& tally, const std::string& png);
