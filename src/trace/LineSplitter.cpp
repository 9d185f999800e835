#include "trace/LineSplitter.h"

namespace corvanta {

std::vector<OutputLine> LineSplitter::feed(std::string_view chunk) {
    std::vector<OutputLine> lines;
    bool grown = false;
    for (const char c : chunk) {
        const bool lfOfCrLf = afterCr_ && c == '\n';
        afterCr_ = c == '\r';
        if (lfOfCrLf)
            continue;
        if (c == '\r' || c == '\n') {
            lines.push_back({std::move(pending_), OutputKind::EntireLine});
            pending_.clear();
            grown = false;
        } else {
            pending_ += c;
            grown = true;
        }
    }
    if (grown)
        lines.push_back({pending_, OutputKind::BeginningOfLine});
    return lines;
}

std::vector<OutputLine> LineSplitter::finish() {
    afterCr_ = false;
    if (pending_.empty())
        return {};
    std::vector<OutputLine> lines{{std::move(pending_), OutputKind::EntireLine}};
    pending_.clear();
    return lines;
}

} // namespace corvanta
