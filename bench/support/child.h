// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting a program for a measurement: directly (no shell), with its input and output on
// /dev/null so that nothing it prints disturbs the figures.

#include <sys/types.h>

#include <string>
#include <vector>

namespace wks::bench {

// Starts args[0] (a full path) with the rest as its arguments.
pid_t startQuiet(const std::vector<std::string>& args);

}  // namespace wks::bench
