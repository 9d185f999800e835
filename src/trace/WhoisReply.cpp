#include "trace/WhoisReply.h"

namespace corvanta {

std::vector<std::string> whoisFieldLines(const std::string& reply) {
    std::vector<std::string> lines;
    std::string piece;
    for (const char c : reply) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && code <= 0x7A) {
            piece += c;
            continue;
        }
        if (!piece.empty() && piece.front() == ' ') {
            // A piece of blanks only is kept as an empty line.
            const auto first = piece.find_first_not_of(' ');
            lines.push_back(first == std::string::npos
                                ? std::string()
                                : piece.substr(first, piece.find_last_not_of(' ') + 1 - first));
        }
        piece.clear();
    }
    return lines;
}

} // namespace corvanta
