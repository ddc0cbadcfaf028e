#pragma once
// Reading the process environment through a function object, so that tests can supply their own
// values instead of changing the environment of the whole test run.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lw::platform {

// The value of an environment variable, nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The real environment of this process.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// An XDG base folder: the variable's value when set to an absolute path, else $HOME/homeRelative.
// Empty when neither is usable. (Relative and empty XDG values are ignored, as the XDG rules ask.)
std::filesystem::path XdgBaseFolder(const EnvironmentLookup& env, const std::string& variable,
                                    std::string_view homeRelative);

}  // namespace lw::platform
