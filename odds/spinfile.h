#pragma once
// The analysis of a spin file of any length: the analysis reader of
// persistence/ streams its spins, block by block, into a tally, so that
// memory does not grow with the file.
#include <string>

#include "odds/tally.h"
#include "persistence/analysisreader.h"

namespace vintaro {

struct SpinFileAnalysis : SpinFileRead
{
    SpinTally tally;
};

using AnalysisProgress = ReadProgress;

// `kind`: the window takes regular files only; the command line also reads
// a pipe and standard input ("-").
SpinFileAnalysis analyseSpinFile(const std::string &path, InputKind kind, const AnalysisProgress &progress = {});

} // namespace vintaro
