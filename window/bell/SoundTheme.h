// SPDX-License-Identifier: MIT
#pragma once

#include <future>
#include <memory>
#include <string>

namespace marbolin {

// The desktop's sound-theme bell, played through libcanberra as the
// desktops' own components play their event sounds. Without libcanberra at
// build time it is never ready.
class SoundTheme final {
public:
    SoundTheme();
    ~SoundTheme();
    SoundTheme(const SoundTheme&) = delete;
    SoundTheme& operator=(const SoundTheme&) = delete;

    // Connects to the sound server and loads the bell into its cache in the
    // background, so that even the first bell starts at once. theme is the
    // sound theme's name, empty for the default. Preparing again for another
    // theme starts afresh.
    void prepare(const std::string& theme);

    // Whether the bell can be played; waits a moment for a preparation that
    // is under way.
    bool ready();

    // False if the bell could not be played, as when the theme has no bell.
    bool playBell();

private:
    struct Context;
    static std::unique_ptr<Context> open(const std::string& theme);

    std::unique_ptr<Context> context_;
    std::future<std::unique_ptr<Context>> preparing_;
    std::string theme_;
    bool prepared_ = false;
};

}  // namespace marbolin
