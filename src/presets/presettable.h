// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in table of network parameters by country and mobile operator. It is compiled
// into the program, set up once and never changed.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/networkpreset.h"

namespace wks {

class PresetTable {
  public:
    static constexpr std::size_t kCountrySlots = 50;
    static constexpr std::size_t kOperatorSlots = 5;  // per country slot

    PresetTable();

    // The non-empty country names in slot order.
    std::vector<std::string> Countries() const;
    // The non-empty operator names of the country, in slot order; nothing when the country
    // is not in the table.
    std::optional<std::vector<std::string>> OperatorsOf(const std::string& country) const;
    // Copies the operator's preset into `current` and then the country's own sender
    // account, if it has one. Names are compared byte for byte, case included; empty names
    // do nothing. Returns whether the country was found; a found country without that
    // operator copies nothing.
    bool ApplyPreset(NetworkPreset& current, const std::string& country,
                     const std::string& op) const;
    // Sweden and Denmark send through their own mail account; other names change nothing.
    static void ApplyCountrySender(NetworkPreset& current, const std::string& country);

    // Raw slots, counted from 0; empty slots hold empty names and empty presets.
    const std::string& countryAt(std::size_t countrySlot) const {
        return countries_.at(countrySlot);
    }
    const std::string& operatorAt(std::size_t countrySlot, std::size_t operatorSlot) const {
        return operators_.at(countrySlot * kOperatorSlots + operatorSlot);
    }
    const NetworkPreset& presetAt(std::size_t countrySlot, std::size_t operatorSlot) const {
        return presets_.at(countrySlot * kOperatorSlots + operatorSlot);
    }

  private:
    // The slot of the country, scanning up to the first empty name.
    std::optional<std::size_t> findCountry(const std::string& country) const;

    std::array<std::string, kCountrySlots> countries_;
    std::array<std::string, kCountrySlots * kOperatorSlots> operators_;
    std::array<NetworkPreset, kCountrySlots * kOperatorSlots> presets_;
};

// The program's one table.
const PresetTable& presetTable();

}  // namespace wks
