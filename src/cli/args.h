// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A command's arguments, read by QCommandLineParser against the options the command declares.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class QCommandLineParser;

namespace wks::cli {

// Bad input: the message names what was wrong; the command exits with status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblem = 1;
inline constexpr int kExitUsage = 2;

// One option of a command: "--name" alone, or "--name VALUE" (also "--name=VALUE").
struct CommandOption {
    const char* name;
    const char* valueName;    // nullptr for an option that takes no value
    const char* description;  // for --help; lines after the first are indented by the help
};

class Args {
  public:
    // Reads args (what follows the command's name). Arguments are taken byte for byte; a word
    // beginning with a single "-" is a positional (a value such as "-1"), except "-h"; after
    // "--" every word is. UsageError for an option not declared or a value missing, unless
    // --help was asked for.
    Args(const std::vector<CommandOption>& options, const std::vector<std::string>& args);
    ~Args();

    bool helpRequested() const;
    bool flag(const std::string& name) const;
    // The value of "--name"; the last one given wins.
    std::optional<std::string> option(const std::string& name) const;
    // Every value of "--name", in the order given.
    std::vector<std::string> options(const std::string& name) const;
    std::vector<std::string> positionals() const;
    // The positionals, which must number exactly n.
    std::vector<std::string> expect(std::size_t n, const std::string& usage) const;

  private:
    std::unique_ptr<QCommandLineParser> parser_;
};

}  // namespace wks::cli
