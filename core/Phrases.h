// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace marbolin {

// The words the calculator shows in its boxes and gives a screen reader to
// speak, in English, the language the program is written in. A window in
// another language passes a Phrases whose functions return that language's
// words; what it leaves alone stays English. The display and the tape
// carry no words and are the same in every language.
class Phrases {
public:
    Phrases() = default;
    virtual ~Phrases() = default;
    Phrases(const Phrases&) = delete;
    Phrases& operator=(const Phrases&) = delete;
    Phrases(Phrases&&) = delete;
    Phrases& operator=(Phrases&&) = delete;

    // One field of a time, with every digit of its count: "1 hour",
    // "1000 hours", "13 minutes", "0 seconds".
    virtual std::string hours(std::uint64_t count) const;
    virtual std::string minutes(std::uint64_t count) const;
    virtual std::string seconds(std::uint64_t count) const;
    // A time below zero: "minus 5 seconds".
    virtual std::string negative(const std::string& time) const;

    // What a screen reader is told.
    virtual std::string total(const std::string& time) const;      // "total 13 minutes"
    virtual std::string entryKept(const std::string& time) const;  // "entry kept, 60 minutes"
    virtual std::string entryCleared() const;
    virtual std::string allCleared() const;

    // The error box: its title and its two lines.
    virtual std::string errorTitle() const;
    virtual std::string inputError() const;
    virtual std::string inputFormat() const;

    // The info box: its title, the credit line and the three lines that
    // say what the program does and which keys it takes.
    virtual std::string infoTitle() const;
    virtual std::string credit() const;
    virtual std::string infoPurpose() const;
    virtual std::string infoInput() const;
    virtual std::string infoKeys() const;
};

}  // namespace marbolin
