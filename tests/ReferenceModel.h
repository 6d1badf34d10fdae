// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace marbolin::testing {

// An independent calculator to check the real one against. It keeps the
// total as one signed number of seconds and prints the tape with printf,
// so it shares neither the carry logic nor the formatting of the core.
class ReferenceModel {
public:
    std::int64_t total = 0;  // seconds
    std::string digits;
    std::string tape;
    bool lastBeeped = false;
    bool lastRejected = false;

    std::string display() const
    {
        const std::string padded = std::string(6 - digits.size(), '0') + digits;
        return padded.substr(0, 2) + ":" + padded.substr(2, 2) + ":" + padded.substr(4, 2);
    }

    void key(char16_t code)
    {
        lastBeeped = false;
        lastRejected = false;
        if (code == '+' || code == '-') {
            click(code == '+' ? 0 : 1);
        } else if (code == 'C' || code == 'c') {
            digits.clear();
        } else if (code == 3) {
            clearAll();
        } else if (code >= '0' && code <= '9' && digits.size() < 6) {
            digits.push_back(static_cast<char>(code));
        } else {
            lastBeeped = true;
        }
    }

    void click(int index)
    {
        lastBeeped = false;
        lastRejected = false;
        const std::string shown = display();
        const int h = std::atoi(shown.substr(0, 2).c_str());
        const int m = std::atoi(shown.substr(3, 2).c_str());
        const int s = std::atoi(shown.substr(6, 2).c_str());
        if (m >= 60 || s >= 60) {
            lastBeeped = true;
            lastRejected = true;
            return;
        }
        const std::int64_t operand = h * 3600 + m * 60 + s;
        total += index == 0 ? operand : -operand;
        const std::int64_t magnitude = total < 0 ? -total : total;
        char line[64];
        std::snprintf(line, sizeof line, "%c %s\r\n=%s%03lld:%02lld:%02lld\r\n", index == 0 ? '+' : '-',
                      shown.c_str(), total < 0 ? "-" : "", static_cast<long long>(magnitude / 3600),
                      static_cast<long long>(magnitude / 60 % 60), static_cast<long long>(magnitude % 60));
        tape += line;
        digits.clear();
    }

    void clearAll()
    {
        digits.clear();
        tape.clear();
        total = 0;
    }
};

}  // namespace marbolin::testing
