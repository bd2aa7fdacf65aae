#pragma once
// A command's arguments: options are taken out by name, what is left are the positionals.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wks::cli {

// Bad input: the message names what was wrong; the command exits with status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblem = 1;
inline constexpr int kExitUsage = 2;

class Args {
public:
    explicit Args(std::vector<std::string> args) : args_(std::move(args)) {}

    bool helpRequested() const;
    // Removes "--name" and reports whether it was there.
    bool flag(const std::string& name);
    // Removes "--name VALUE" (or "--name=VALUE"); the last one given wins.
    std::optional<std::string> option(const std::string& name);
    // Removes every "--name VALUE", in the order given.
    std::vector<std::string> options(const std::string& name);
    // What is left; an option that nobody took is reported as unknown.
    std::vector<std::string> positionals() const;
    // The positionals, which must number exactly n.
    std::vector<std::string> expect(std::size_t n, const std::string& usage) const;

private:
    std::vector<std::string> args_;
};

}  // namespace wks::cli
