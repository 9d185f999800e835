#include "trace/WhoisTarget.h"

namespace corvanta {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

using Index = std::string::difference_type;

// Positions of the last and of the third-last dot, or nothing with fewer than three dots.
std::optional<std::pair<Index, Index>> outerDots(const std::string& line) {
    Index last = -1;
    int found = 0;
    for (Index i = static_cast<Index>(line.size()) - 1; i >= 0; --i) {
        if (line[i] != '.')
            continue;
        if (++found == 1)
            last = i;
        if (found == 3)
            return std::pair{i, last};
    }
    return std::nullopt;
}

std::string lettersBefore(const std::string& line, Index end) {
    Index begin = end;
    while (begin > 0 && isLetter(line[begin - 1]))
        --begin;
    return line.substr(begin, end - begin);
}

std::string lettersFrom(const std::string& line, Index begin) {
    Index end = begin;
    while (end < static_cast<Index>(line.size()) && isLetter(line[end]))
        ++end;
    return line.substr(begin, end - begin);
}

std::string domainBefore(const std::string& line, Index addressStart) {
    for (Index dot = addressStart - 1; dot >= 0; --dot)
        if (line[dot] == '.')
            return lettersBefore(line, dot) + "." + lettersFrom(line, dot + 1);
    return lettersFrom(line, 0);
}

} // namespace

std::optional<WhoisTarget> whoisTargetOf(const std::string& line) {
    const auto dots = outerDots(line);
    if (!dots)
        return std::nullopt;
    Index start = dots->first;
    while (start > 0 && isDigit(line[start - 1]))
        --start;
    Index end = dots->second + 1;
    while (end < static_cast<Index>(line.size()) && isDigit(line[end]))
        ++end;
    return WhoisTarget{line.substr(start, end - start), domainBefore(line, start)};
}

} // namespace corvanta
