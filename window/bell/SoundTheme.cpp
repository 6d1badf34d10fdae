// SPDX-License-Identifier: MIT
#include "SoundTheme.h"

#include <chrono>

#if defined(MARBOLIN_HAVE_CANBERRA)
#include <canberra.h>
#endif

namespace marbolin {

#if defined(MARBOLIN_HAVE_CANBERRA)

namespace {

// freedesktop.org's sound name for a window system's bell; a
// theme without it falls back to its plain bell.
constexpr const char* kBell = "bell-window-system";
constexpr const char* kPlainBell = "bell";

}  // namespace

struct SoundTheme::Context {
    explicit Context(ca_context* c) : context(c) {}
    ~Context() { ca_context_destroy(context); }
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    ca_context* context = nullptr;
};

std::unique_ptr<SoundTheme::Context> SoundTheme::open(const std::string& theme)
{
    ca_context* made = nullptr;
    if (ca_context_create(&made) != CA_SUCCESS) {
        return nullptr;
    }
    auto context = std::make_unique<SoundTheme::Context>(made);
    ca_context_change_props(made, CA_PROP_APPLICATION_NAME, "Marbolin", CA_PROP_APPLICATION_ID,
                            MARBOLIN_APP_ID, CA_PROP_APPLICATION_ICON_NAME, MARBOLIN_APP_ID, nullptr);
    if (!theme.empty()) {
        ca_context_change_props(made, CA_PROP_CANBERRA_XDG_THEME_NAME, theme.c_str(), nullptr);
    }
    if (ca_context_open(made) != CA_SUCCESS) {
        return nullptr;
    }
    if (ca_context_cache(made, CA_PROP_EVENT_ID, kBell, nullptr) != CA_SUCCESS) {
        ca_context_cache(made, CA_PROP_EVENT_ID, kPlainBell, nullptr);
    }
    return context;
}

void SoundTheme::prepare(const std::string& theme)
{
    if (prepared_ && theme == theme_) {
        return;
    }
    prepared_ = true;
    theme_ = theme;
    context_.reset();
    preparing_ = std::async(std::launch::async, &SoundTheme::open, theme);
}

bool SoundTheme::ready()
{
    using namespace std::chrono_literals;
    if (preparing_.valid() && preparing_.wait_for(30ms) == std::future_status::ready) {
        context_ = preparing_.get();
    }
    return context_ != nullptr;
}

bool SoundTheme::playBell()
{
    if (context_ == nullptr) {
        return false;
    }
    int played = ca_context_play(context_->context, 0, CA_PROP_EVENT_ID, kBell, nullptr);
    if (played == CA_ERROR_NOTFOUND) {
        played = ca_context_play(context_->context, 0, CA_PROP_EVENT_ID, kPlainBell, nullptr);
    }
    return played == CA_SUCCESS;
}

#else

struct SoundTheme::Context {};

std::unique_ptr<SoundTheme::Context> SoundTheme::open(const std::string& /*theme*/)
{
    return nullptr;
}

void SoundTheme::prepare(const std::string& /*theme*/) {}

bool SoundTheme::ready()
{
    return false;
}

bool SoundTheme::playBell()
{
    return false;
}

#endif

SoundTheme::SoundTheme() = default;

// A preparation under way is waited for: its thread uses the context.
SoundTheme::~SoundTheme() = default;

}  // namespace marbolin
