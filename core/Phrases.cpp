// SPDX-License-Identifier: MIT
#include "Phrases.h"

#include "Credits.h"

#include <cstdint>
#include <string>

namespace marbolin {

namespace {

std::string counted(std::uint64_t count, const char* unit)
{
    return std::to_string(count) + ' ' + unit + (count == 1 ? "" : "s");
}

}  // namespace

std::string Phrases::hours(std::uint64_t count) const
{
    return counted(count, "hour");
}

std::string Phrases::minutes(std::uint64_t count) const
{
    return counted(count, "minute");
}

std::string Phrases::seconds(std::uint64_t count) const
{
    return counted(count, "second");
}

std::string Phrases::negative(const std::string& time) const
{
    return "minus " + time;
}

std::string Phrases::total(const std::string& time) const
{
    return "total " + time;
}

std::string Phrases::entryKept(const std::string& time) const
{
    return "entry kept, " + time;
}

std::string Phrases::entryCleared() const
{
    return "entry cleared";
}

std::string Phrases::allCleared() const
{
    return "all cleared";
}

std::string Phrases::errorTitle() const
{
    return "Error";
}

std::string Phrases::inputError() const
{
    return "Input error.";
}

std::string Phrases::inputFormat() const
{
    return "Input the time in the format 'hh:mm:ss'";
}

std::string Phrases::infoTitle() const
{
    return "info";
}

std::string Phrases::credit() const
{
    return std::string(credits::kAuthor);
}

std::string Phrases::infoPurpose() const
{
    return "The program adds and substracts times.";
}

std::string Phrases::infoInput() const
{
    return "Input a time-value and then click or type '+' or '-'.";
}

std::string Phrases::infoKeys() const
{
    return "'C'=clear, 'Ctrl+C'=clear all";
}

}  // namespace marbolin
