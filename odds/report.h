#pragma once
// The analysis of a spin file as plain text: the bias test and the bet table,
// as `vintaro2011 --analyse FILE` prints it.
#include <ostream>
#include <string>

#include "odds/spinfile.h"

namespace vintaro {

void writeAnalysisReport(std::ostream &out, const std::string &path, const SpinFileAnalysis &analysis);

} // namespace vintaro
