// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>

namespace marbolin {

using XSetting = std::variant<std::int32_t, std::string>;
using XSettings = std::map<std::string, XSetting, std::less<>>;

// The integer and string settings in an XSETTINGS manager's
// _XSETTINGS_SETTINGS property, through which Xfce and GNOME Flashback tell
// programs on X11 the desktop's choices ("Net/EnableEventSounds",
// "Net/SoundThemeName"). Colours are left out. Data that ends early gives
// the settings read up to there.
XSettings parseXSettings(std::string_view data);

}  // namespace marbolin
