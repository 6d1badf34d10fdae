// SPDX-License-Identifier: MIT
#pragma once

namespace marbolin {

// What the program sets on its QApplication before the window opens: name,
// version, desktop file name and icon. Shared by main() and the start-up
// benchmark, so that the benchmark measures the real start.
void setUpApplication();

}  // namespace marbolin
