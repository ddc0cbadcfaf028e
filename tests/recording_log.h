#pragma once
// A run log that keeps every line written to it, for asserting the exact trace.
#include <string>
#include <string_view>
#include <vector>

#include "base/log_sink.h"

namespace lw::test {

struct RecordingLog : base::LogSink {
    std::vector<std::string> lines;
    void Write(std::string_view line) override { lines.emplace_back(line); }
    std::string Text() const {
        std::string all;
        for (const std::string& l : lines) all += l;
        return all;
    }
};

}  // namespace lw::test
