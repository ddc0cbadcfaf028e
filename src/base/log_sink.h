#pragma once
#include <string_view>

namespace lw::base {

// Where traced events go (the run log). Absent sink: tracing does nothing.
class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void Write(std::string_view line) = 0;
};

}  // namespace lw::base
