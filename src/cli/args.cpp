#include "cli/args.h"

#include <algorithm>
#include <charconv>

namespace lw::cli {

Args::Args(const std::vector<std::string>& argv, const std::set<std::string>& valued,
           const std::set<std::string>& flags) {
    for (size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a.size() > 1 && a[0] == '-') {
            if (valued.count(a)) {
                if (i + 1 >= argv.size()) throw UsageError(a + " needs a value");
                values_[a].push_back(argv[++i]);
            } else if (flags.count(a)) {
                flags_.insert(a);
            } else {
                throw UsageError("unknown option " + a);
            }
        } else {
            positionals_.push_back(a);
        }
    }
}

std::optional<std::string> Args::Value(const std::string& option) const {
    const auto it = values_.find(option);
    if (it == values_.end()) return std::nullopt;
    return it->second.back();
}

std::vector<std::string> Args::Values(const std::string& option) const {
    const auto it = values_.find(option);
    return it == values_.end() ? std::vector<std::string>{} : it->second;
}

std::string Args::Required(const std::string& option) const {
    const auto v = Value(option);
    if (!v) throw UsageError(option + " is required");
    return *v;
}

std::optional<int> Args::Int(const std::string& option) const {
    const auto v = Value(option);
    if (!v) return std::nullopt;
    int out = 0;
    const auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), out);
    if (ec != std::errc{} || end != v->data() + v->size()) throw UsageError(option + " needs a whole number, not " + *v);
    return out;
}

std::vector<int> NumberList(const std::string& list, const std::string& what) {
    std::vector<int> numbers;
    for (size_t from = 0; from <= list.size();) {
        const size_t comma = std::min(list.find(',', from), list.size());
        const std::string item = list.substr(from, comma - from);
        int n = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), n);
        if (item.empty() || error != std::errc() || end != item.data() + item.size())
            throw UsageError(what + ", not " + list);
        numbers.push_back(n);
        from = comma + 1;
    }
    return numbers;
}

}  // namespace lw::cli
