// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the WAP / Internet screen decides, without widgets: how a stored IP text is shown and
// read back, how the 13 item texts are stored, and when the sender items count as changed.
// The screen's items 0 to 12 are the fields of NetworkPreset in their order; item 2 is the IP
// address field, items 3 and 10 are the two ports, items 9 to 12 the four sender items.

#include <array>
#include <optional>
#include <string>

#include "app/networkpreset.h"

namespace wks {

using IpParts = std::array<int, 4>;
using WapTexts = std::array<std::string, NetworkPreset::kFieldCount>;

inline constexpr std::size_t kIpItem = 2;
inline constexpr std::size_t kFirstSenderItem = 9;
inline constexpr bool isPortItem(std::size_t item) { return item == 3 || item == 10; }

// Reads a dotted text for the IP address field: the four numbers it shows, or nothing when the
// field is to be cleared. A text that is empty, has other than three dots, a character other
// than a digit or a dot, a group above 255 or a group of more than three digits is not an
// address: the field is cleared and `target` becomes " ". An empty group reads 0 ("1..2.3"
// shows 1.0.2.3). `text` and `target` may be the same string.
std::optional<IpParts> TextToIpField(const std::string& text, std::string& target);

// The field's four numbers as "a.b.c.d"; 0.0.0.0, which a blank field also reads as, is the
// empty text.
void IpFieldToText(const IpParts& field, std::string& target);

// Stores the items' texts (item 2 as IpFieldToText gives it, taken as it is): each other text
// trimmed, the ports cut to 4 characters and the rest to 100, without a message.
void SaveWapTexts(const WapTexts& texts, NetworkPreset& target);

// True when a sender item's text, trimmed, differs from the value held; the texts are compared
// as they stand, not cut.
bool SenderItemsDiffer(const WapTexts& texts, const NetworkPreset& held);

}  // namespace wks
