#include "cli/args.h"

namespace wks::cli {

bool Args::helpRequested() const {
    for (const auto& a : args_) {
        if (a == "--help" || a == "-h") return true;
    }
    return false;
}

bool Args::flag(const std::string& name) {
    bool found = false;
    for (auto it = args_.begin(); it != args_.end();) {
        if (*it == "--" + name) {
            it = args_.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found;
}

std::vector<std::string> Args::options(const std::string& name) {
    std::vector<std::string> values;
    const std::string plain = "--" + name;
    const std::string joined = plain + "=";
    for (auto it = args_.begin(); it != args_.end();) {
        if (*it == plain) {
            if (it + 1 == args_.end()) throw UsageError("option " + plain + " needs a value");
            values.push_back(*(it + 1));
            it = args_.erase(it, it + 2);
        } else if (it->rfind(joined, 0) == 0) {
            values.push_back(it->substr(joined.size()));
            it = args_.erase(it);
        } else {
            ++it;
        }
    }
    return values;
}

std::optional<std::string> Args::option(const std::string& name) {
    auto values = options(name);
    if (values.empty()) return std::nullopt;
    return values.back();
}

std::vector<std::string> Args::positionals() const {
    for (const auto& a : args_) {
        if (a.size() > 2 && a.rfind("--", 0) == 0) throw UsageError("unknown option " + a);
    }
    return args_;
}

std::vector<std::string> Args::expect(std::size_t n, const std::string& usage) const {
    auto p = positionals();
    if (p.size() != n) throw UsageError("usage: " + usage);
    return p;
}

}  // namespace wks::cli
