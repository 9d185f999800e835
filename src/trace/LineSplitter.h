#pragma once
// Cuts a console command's output into lines as it arrives in arbitrary chunks.
#include "platform/ConsoleRunner.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

struct OutputLine {
    std::string text;
    OutputKind kind;
    bool operator==(const OutputLine&) const = default;
};

// Lines end at LF, CR or CR LF, also when the CR and the LF come in different chunks. Text
// without its line end yet is reported as a beginning of line (all of it so far), and again,
// whole, once the end arrives.
class LineSplitter {
public:
    std::vector<OutputLine> feed(std::string_view chunk);
    // The output has ended: an unfinished rest becomes an entire line.
    std::vector<OutputLine> finish();

private:
    std::string pending_;
    bool afterCr_ = false;
};

} // namespace corvanta
