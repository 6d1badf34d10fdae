// SPDX-License-Identifier: MIT
#pragma once

#include "language/Translations.h"

#include <memory>

namespace marbolin {

// What the program sets on its QApplication before the window opens: name,
// version, desktop file name, icon and the user's language, whose
// translations stay installed while the returned object lives. Shared by
// main() and the start-up benchmark, so that the benchmark measures the
// real start.
std::unique_ptr<Translations> setUpApplication();

}  // namespace marbolin
