#pragma once
// Command-line arguments of one lwtool command: positionals, valued options and flags.
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace lw::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Args {
public:
    // valued: options that take the next argument ("--first", "-o"); flags: options without.
    // Unknown options are a usage error.
    Args(const std::vector<std::string>& argv, const std::set<std::string>& valued, const std::set<std::string>& flags);

    const std::vector<std::string>& Positionals() const { return positionals_; }
    bool Has(const std::string& flag) const { return flags_.count(flag) > 0 || values_.count(flag) > 0; }
    // The last value given for the option.
    std::optional<std::string> Value(const std::string& option) const;
    // Every value given for a repeatable option, in order.
    std::vector<std::string> Values(const std::string& option) const;
    std::string Required(const std::string& option) const;
    // An integer option; a usage error when it is not a whole number.
    std::optional<int> Int(const std::string& option) const;

private:
    std::vector<std::string> positionals_;
    std::map<std::string, std::vector<std::string>> values_;
    std::set<std::string> flags_;
};

// The flags plus --yes and --no, which answer the questions a command may ask.
inline std::set<std::string> Flags(std::set<std::string> flags) {
    flags.insert("--yes");
    flags.insert("--no");
    return flags;
}

// "3,7,12": the numbers of a comma list, as typed; anything but whole numbers is a usage error
// saying what (", not LIST" follows).
std::vector<int> NumberList(const std::string& list, const std::string& what);

}  // namespace lw::cli
