#include "platform/environment.h"

#include <cstdlib>

namespace lw::platform {

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

std::filesystem::path XdgBaseFolder(const EnvironmentLookup& env, const std::string& variable,
                                    std::string_view homeRelative) {
    if (const auto base = env(variable); base && !base->empty() && std::filesystem::path(*base).is_absolute())
        return std::filesystem::path(*base);
    if (const auto home = env("HOME"); home && !home->empty()) return std::filesystem::path(*home) / homeRelative;
    return {};
}

}  // namespace lw::platform
