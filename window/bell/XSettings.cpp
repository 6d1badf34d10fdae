// SPDX-License-Identifier: MIT
#include "XSettings.h"

#include <cstddef>

namespace marbolin {

namespace {

// Reads the property's fields in its byte order. Once a read would pass the
// end, it and every later one read as zero or empty and ok() is false.
class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}

    void setBigEndian(bool big) { big_ = big; }
    bool ok() const { return ok_; }

    std::uint32_t card(std::size_t bytes)
    {
        if (!take(bytes)) {
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            const auto byte = static_cast<unsigned char>(data_[at_ - bytes + (big_ ? i : bytes - 1 - i)]);
            value = (value << 8U) | byte;
        }
        return value;
    }

    void skip(std::size_t bytes) { take(bytes); }

    // n bytes of text and the padding that brings them to a multiple of four.
    std::string_view text(std::size_t n)
    {
        if (!take((n + 3) & ~std::size_t{3})) {
            return {};
        }
        return data_.substr(at_ - ((n + 3) & ~std::size_t{3}), n);
    }

private:
    bool take(std::size_t bytes)
    {
        ok_ = ok_ && bytes <= data_.size() - at_;
        at_ += ok_ ? bytes : 0;
        return ok_;
    }

    std::string_view data_;
    std::size_t at_ = 0;
    bool big_ = false;
    bool ok_ = true;
};

enum : std::uint32_t { kInteger = 0, kString = 1, kColour = 2 };

}  // namespace

XSettings parseXSettings(std::string_view data)
{
    XSettings settings;
    Reader read(data);
    read.setBigEndian(read.card(1) == 1);
    read.skip(3 + 4);  // unused, serial
    const std::uint32_t count = read.card(4);
    for (std::uint32_t i = 0; read.ok() && i < count; ++i) {
        const std::uint32_t type = read.card(1);
        read.skip(1);
        const std::string_view name = read.text(read.card(2));
        read.skip(4);  // the serial of its last change
        if (type == kInteger) {
            const auto value = static_cast<std::int32_t>(read.card(4));
            if (read.ok()) {
                settings.emplace(name, value);
            }
        } else if (type == kString) {
            const std::string_view value = read.text(read.card(4));
            if (read.ok()) {
                settings.emplace(name, std::string(value));
            }
        } else if (type == kColour) {
            read.skip(8);
        } else {
            break;  // a kind this reader does not know, and so neither its length
        }
    }
    return settings;
}

}  // namespace marbolin
