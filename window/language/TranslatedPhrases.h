// SPDX-License-Identifier: MIT
#pragma once

#include "Phrases.h"

class QTranslator;

namespace marbolin {

// The calculator's words from the program's catalogue for the user's
// language. A phrase the catalogue lacks stays English. Counts keep every
// digit, and their plural form follows the language's own rule.
class TranslatedPhrases final : public Phrases {
public:
    // The catalogue must outlive the phrases.
    explicit TranslatedPhrases(const QTranslator& catalogue) : catalogue_(catalogue) {}

    std::string hours(std::uint64_t count) const override;
    std::string minutes(std::uint64_t count) const override;
    std::string seconds(std::uint64_t count) const override;
    std::string negative(const std::string& time) const override;
    std::string total(const std::string& time) const override;
    std::string entryKept(const std::string& time) const override;
    std::string entryCleared() const override;
    std::string allCleared() const override;
    std::string errorTitle() const override;
    std::string inputError() const override;
    std::string inputFormat() const override;
    std::string infoTitle() const override;
    std::string credit() const override;
    std::string infoPurpose() const override;
    std::string infoInput() const override;
    std::string infoKeys() const override;

private:
    std::string text(const char* source, std::string english) const;
    std::string filled(const char* source, const std::string& argument, std::string english) const;
    std::string counted(const char* source, std::uint64_t count, std::string english) const;

    const QTranslator& catalogue_;
};

}  // namespace marbolin
