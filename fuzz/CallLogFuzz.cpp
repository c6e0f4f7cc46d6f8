// Any bytes as calls.txt: the reader must not crash, keeps at most 1,000
// entries, and keeps nothing it did not read: each kept entry formats back to
// a line of the input, and the lines of all of them read back as themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "history/CallLog.h"

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

std::string Formatted(const CallLog& log) {
    std::string text;
    char line[kCallLineSize];
    for (int i = 0; i < log.count; ++i) {
        const int n = FormatCallLine(log.entries[i], line);
        Require(n > 2 && line[n - 2] == '\r' && line[n - 1] == '\n');
        text.append(line, n);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CallLog* log = new CallLog;  // kept between runs: 140 KB each
    static CallLog* reread = new CallLog;
    const std::string input(reinterpret_cast<const char*>(data), size);
    ParseCallLog(input.data(), input.size(), *log);
    Require(log->count >= 0 && log->count <= kCallsKept && log->count <= log->fileLines);

    const std::string text = Formatted(*log);
    if (log->count > 0) {
        char line[kCallLineSize];
        const int n = FormatCallLine(log->entries[log->count - 1], line);
        Require(input.find(std::string(line, n - 2)) != std::string::npos);
    }
    ParseCallLog(text.data(), text.size(), *reread);
    Require(reread->count == log->count && reread->fileLines == log->count);
    Require(Formatted(*reread) == text);
    return 0;
}
