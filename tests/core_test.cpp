// SPDX-License-Identifier: MIT
#include "Form1Model.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace marbolin {
namespace {

using testing::RecordingView;

const std::string kInputErrorBox =
    "box critical Error | Input error.\r\nInput the time in the format 'hh:mm:ss'";

// A fresh, loaded calculator fed a string of key codes.
struct Session {
    RecordingView view;
    Form1Model model{view};

    explicit Session(const std::string& keys = "")
    {
        model.Form_Load();
        type(keys);
        view.clear();
    }
    void type(const std::string& keys)
    {
        for (const char key : keys) {
            model.Form_KeyPress(static_cast<char16_t>(static_cast<unsigned char>(key)));
        }
    }
    std::int64_t totalSeconds() const { return model.hs * 3600 + model.ms * 60 + model.ss; }
};

std::string repeat(const std::string& keys, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += keys;
    }
    return out;
}

std::string rowName(const auto& info)
{
    return info.param.name;
}

// --- Start-up --------------------------------------------------------------

TEST(Start, LoadShowsZeroDisplayAndEmptyTape)
{
    RecordingView view;
    Form1Model model{view};
    EXPECT_EQ(model.displayText(), "00:00:00");
    model.Form_Load();
    EXPECT_EQ(view.calls, std::vector<std::string>{"display 00:00:00"});
    EXPECT_EQ(model.tapeText(), "");
    EXPECT_EQ(model.Anzeige, "");
    EXPECT_EQ(model.hs, 0);
    EXPECT_EQ(model.ms, 0);
    EXPECT_EQ(model.ss, 0);
}

// --- Time entry ------------------------------------------------------------

struct EntryRow {
    std::string name;
    std::string keys;
    std::string display;
    std::string buffer;
    std::size_t beeps;
};
void PrintTo(const EntryRow& row, std::ostream* os)
{
    *os << row.name;
}

class Entry : public ::testing::TestWithParam<EntryRow> {};

TEST_P(Entry, FillsDisplayFromTheRight)
{
    const EntryRow& row = GetParam();
    RecordingView view;
    Form1Model model{view};
    model.Form_Load();
    for (const char key : row.keys) {
        model.Form_KeyPress(static_cast<char16_t>(key));
    }
    EXPECT_EQ(model.displayText(), row.display);
    EXPECT_EQ(view.display, row.display);
    EXPECT_EQ(model.Anzeige, row.buffer);
    EXPECT_EQ(view.beeps, row.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, Entry,
    ::testing::Values(EntryRow{"one", "1", "00:00:01", "1", 0}, EntryRow{"two", "12", "00:00:12", "12", 0},
                      EntryRow{"three", "123", "00:01:23", "123", 0},
                      EntryRow{"four", "1234", "00:12:34", "1234", 0},
                      EntryRow{"five", "12345", "01:23:45", "12345", 0},
                      EntryRow{"six", "123456", "12:34:56", "123456", 0},
                      EntryRow{"minutesOutOfRangeShown", "009959", "00:99:59", "009959", 0},
                      EntryRow{"leadingZerosCount", "000007", "00:00:07", "000007", 0},
                      EntryRow{"seventhDigitBeeps", "1234567", "12:34:56", "123456", 1},
                      EntryRow{"everyFurtherDigitBeeps", "0000079999", "00:00:07", "000007", 4},
                      EntryRow{"clearStartsAfresh", "123C5", "00:00:05", "5", 0},
                      EntryRow{"lowerCaseClear", "123c45", "00:00:45", "45", 0},
                      EntryRow{"usedEntryStartsAfresh", "59+7", "00:00:07", "7", 0}),
    rowName<::testing::TestParamInfo<EntryRow>>);

// --- Add and subtract ------------------------------------------------------

struct TotalRow {
    std::string name;
    std::string keys;
    std::string lastLines;  // the tape's last two lines
    std::int64_t hs;
    std::int64_t ms;
    std::int16_t ss;
};
void PrintTo(const TotalRow& row, std::ostream* os)
{
    *os << row.name;
}

class Total : public ::testing::TestWithParam<TotalRow> {};

TEST_P(Total, CarriesBorrowsAndPrints)
{
    const TotalRow& row = GetParam();
    Session s(row.keys);
    const std::string& tape = s.model.tapeText();
    ASSERT_GE(tape.size(), row.lastLines.size());
    EXPECT_EQ(tape.substr(tape.size() - row.lastLines.size()), row.lastLines);
    EXPECT_EQ(s.model.hs, row.hs);
    EXPECT_EQ(s.model.ms, row.ms);
    EXPECT_EQ(s.model.ss, row.ss);
    EXPECT_EQ(s.model.displayText(), "00:00:00");
    EXPECT_EQ(s.model.Anzeige, "");
}

INSTANTIATE_TEST_SUITE_P(
    Totals, Total,
    ::testing::Values(
        TotalRow{"nothingTyped", "+", "+ 00:00:00\r\n=000:00:00\r\n", 0, 0, 0},
        TotalRow{"workedFirst", "013000+", "+ 01:30:00\r\n=001:30:00\r\n", 1, 30, 0},
        TotalRow{"workedMinuteCarry", "013000+4530+", "+ 00:45:30\r\n=002:15:30\r\n", 2, 15, 30},
        TotalRow{"secondsAndMinutesCarry", "5959+1+", "+ 00:00:01\r\n=001:00:00\r\n", 1, 0, 0},
        TotalRow{"carryIntoFourDigits", repeat("990000+", 10) + "095959+1+", "+ 00:00:01\r\n=1000:00:00\r\n",
                 1000, 0, 0},
        TotalRow{"fourDigitHours", repeat("990000+", 11), "+ 99:00:00\r\n=1089:00:00\r\n", 1089, 0, 0},
        TotalRow{"borrowBelowAnHour", "010000+1-", "- 00:00:01\r\n=000:59:59\r\n", 0, 59, 59}),
    rowName<::testing::TestParamInfo<TotalRow>>);

// Negative totals print as sign and magnitude; the fields keep minutes and
// seconds in 0..59 with a negative hour count.
INSTANTIATE_TEST_SUITE_P(
    NegativeTotals, Total,
    ::testing::Values(
        TotalRow{"workedSequence", "013000+4530+022000-", "- 02:20:00\r\n=-000:04:30\r\n", -1, 55, 30},
        TotalRow{"oneSecondBelowZero", "1-", "- 00:00:01\r\n=-000:00:01\r\n", -1, 59, 59},
        TotalRow{"backUpToZero", "1-1+", "+ 00:00:01\r\n=000:00:00\r\n", 0, 0, 0},
        TotalRow{"downAcrossZero", "5+10-", "- 00:00:10\r\n=-000:00:05\r\n", -1, 59, 55},
        TotalRow{"upAcrossZero", "10-15+", "+ 00:00:15\r\n=000:00:05\r\n", 0, 0, 5},
        TotalRow{"halfHourBelow", "013000+020000-", "- 02:00:00\r\n=-000:30:00\r\n", -1, 30, 0},
        TotalRow{"wholeHoursBelow", "020000-", "- 02:00:00\r\n=-002:00:00\r\n", -2, 0, 0},
        TotalRow{"stillBelowAfterAdd", "030000-4530+", "+ 00:45:30\r\n=-002:14:30\r\n", -3, 45, 30},
        TotalRow{"thousandHoursBelow", repeat("990000-", 10) + "100000-", "- 10:00:00\r\n=-1000:00:00\r\n",
                 -1000, 0, 0},
        TotalRow{"minusZeroIsZero", "5-5+", "+ 00:00:05\r\n=000:00:00\r\n", 0, 0, 0}),
    rowName<::testing::TestParamInfo<TotalRow>>);

TEST(Tape, WorkedSequenceWholeTape)
{
    Session s("013000+4530+022000-");
    EXPECT_EQ(s.model.tapeText(), "+ 01:30:00\r\n=001:30:00\r\n"
                                  "+ 00:45:30\r\n=002:15:30\r\n"
                                  "- 02:20:00\r\n=-000:04:30\r\n");
}

struct IndexRow {
    std::string name;
    std::int16_t index;
    char sign;
};
void PrintTo(const IndexRow& row, std::ostream* os)
{
    *os << row.name;
}

class ClickIndex : public ::testing::TestWithParam<IndexRow> {};

TEST_P(ClickIndex, ZeroAddsEverythingElseSubtracts)
{
    Session s("10000");
    s.model.CommandPlus_Click(GetParam().index);
    const std::string sign(1, GetParam().sign);
    EXPECT_EQ(s.model.tapeText(),
              sign + " 01:00:00\r\n=" + (GetParam().sign == '-' ? "-" : "") + "001:00:00\r\n");
}

INSTANTIATE_TEST_SUITE_P(Indexes, ClickIndex,
                         ::testing::Values(IndexRow{"zero", 0, '+'}, IndexRow{"one", 1, '-'},
                                           IndexRow{"two", 2, '-'}, IndexRow{"minusOne", -1, '-'},
                                           IndexRow{"highest", 32767, '-'}, IndexRow{"lowest", -32768, '-'}),
                         rowName<::testing::TestParamInfo<IndexRow>>);

// --- The rejected operand --------------------------------------------------

struct RejectRow {
    std::string name;
    std::string before;  // builds a total and a tape first
    std::string entry;
    char op;
};
void PrintTo(const RejectRow& row, std::ostream* os)
{
    *os << row.name;
}

class Rejected : public ::testing::TestWithParam<RejectRow> {};

TEST_P(Rejected, BeepsThenShowsErrorAndChangesNothing)
{
    const RejectRow& row = GetParam();
    Session s(row.before + row.entry);
    const std::string tape = s.model.tapeText();
    const std::string display = s.model.displayText();
    const auto hs = s.model.hs;
    const auto ms = s.model.ms;
    const auto ss = s.model.ss;

    s.type(std::string(1, row.op));

    ASSERT_EQ(s.view.calls.size(), 3U);
    EXPECT_EQ(s.view.calls[0], "beep");
    EXPECT_EQ(s.view.calls[1], kInputErrorBox);
    EXPECT_EQ(s.view.calls[2].rfind("say entry kept, ", 0), 0U) << s.view.calls[2];
    EXPECT_EQ(s.model.tapeText(), tape);
    EXPECT_EQ(s.model.displayText(), display);
    EXPECT_EQ(s.model.Anzeige, row.entry);
    EXPECT_EQ(s.model.hs, hs);
    EXPECT_EQ(s.model.ms, ms);
    EXPECT_EQ(s.model.ss, ss);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, Rejected,
                         ::testing::Values(RejectRow{"sixtyMinutesAdd", "", "6000", '+'},
                                           RejectRow{"sixtySecondsAdd", "", "60", '+'},
                                           RejectRow{"sixtySecondsSubtract", "", "60", '-'},
                                           RejectRow{"ninetyNineBoth", "", "9999", '-'},
                                           RejectRow{"fullEntry", "", "997560", '+'},
                                           RejectRow{"withTotal", "013000+1-", "007500", '+'},
                                           RejectRow{"withNegativeTotal", "5-", "0099", '-'}),
                         rowName<::testing::TestParamInfo<RejectRow>>);

TEST(Rejected, EntryStaysEditableAfterTheBox)
{
    Session s("60+");
    s.view.clear();
    s.type("12345");
    EXPECT_EQ(s.model.displayText(), "60:12:34");
    EXPECT_EQ(s.view.beeps, 1U);  // the sixth digit fits, the seventh does not
    s.type("C5+");
    EXPECT_EQ(s.model.tapeText(), "+ 00:00:05\r\n=000:00:05\r\n");
}

TEST(Rejected, ForeignCharactersInTheBufferAreRejectedToo)
{
    // Anzeige is a public field; whatever a caller puts there must not reach
    // the total as garbage.
    Session s;
    s.model.Anzeige = "1a";
    s.type("3");
    s.view.clear();
    s.type("+");
    EXPECT_EQ(s.view.calls, (std::vector<std::string>{"beep", kInputErrorBox, "say entry kept, 00:01:a3"}));
    EXPECT_EQ(s.model.tapeText(), "");
}

// --- Clear and clear all ---------------------------------------------------

struct ClearRow {
    std::string name;
    std::string keys;
    std::string tape;
    std::int64_t totalSeconds;
};
void PrintTo(const ClearRow& row, std::ostream* os)
{
    *os << row.name;
}

class Clearing : public ::testing::TestWithParam<ClearRow> {};

TEST_P(Clearing, ResetsWhatItShould)
{
    const ClearRow& row = GetParam();
    Session s(row.keys);
    EXPECT_EQ(s.model.displayText(), "00:00:00");
    EXPECT_EQ(s.model.Anzeige, "");
    EXPECT_EQ(s.model.tapeText(), row.tape);
    EXPECT_EQ(s.totalSeconds(), row.totalSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Clearing,
    ::testing::Values(ClearRow{"clearKeepsTotalAndTape", "10+123C", "+ 00:00:10\r\n=000:00:10\r\n", 10},
                      ClearRow{"lowerClearKeepsTotal", "10-123c", "- 00:00:10\r\n=-000:00:10\r\n", -10},
                      ClearRow{"clearAllResetsEverything", "10+123\x03", "", 0},
                      ClearRow{"clearAllFromNegative", "013000-\x03", "", 0},
                      ClearRow{"clearAllThenAdd",
                               "10+\x03"
                               "5+",
                               "+ 00:00:05\r\n=000:00:05\r\n", 5},
                      ClearRow{"clearAfterRejectedEntry", "6000+C", "", 0}),
    rowName<::testing::TestParamInfo<ClearRow>>);

// --- The order of view calls -----------------------------------------------

struct OrderRow {
    std::string name;
    std::string before;
    std::string key;
    std::vector<std::string> calls;
};
void PrintTo(const OrderRow& row, std::ostream* os)
{
    *os << row.name;
}

class CallOrder : public ::testing::TestWithParam<OrderRow> {};

TEST_P(CallOrder, ViewHearsEachChangeInOrder)
{
    Session s(GetParam().before);
    s.type(GetParam().key);
    EXPECT_EQ(s.view.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CallOrder,
    ::testing::Values(OrderRow{"digit", "", "1", {"display 00:00:01", "say 1 second"}},
                      OrderRow{
                          "add", "1", "+", {"tape 24", "scroll", "display 00:00:00", "say total 1 second"}},
                      OrderRow{"subtractFourDigitHours",
                               repeat("990000+", 11),
                               "-",
                               {"tape 290", "scroll", "display 00:00:00", "say total 1089 hours"}},
                      OrderRow{"clear", "1", "C", {"display 00:00:00", "say entry cleared"}},
                      OrderRow{"clearAll", "1+2", "\x03", {"display 00:00:00", "tape 0", "say all cleared"}},
                      OrderRow{"unmappedKey", "1", "x", {"beep"}},
                      OrderRow{"seventhDigit", "123456", "7", {"beep"}}),
    rowName<::testing::TestParamInfo<OrderRow>>);

// What a screen reader is given to speak: the entry and the total in words,
// never the tape's digits and colons.
INSTANTIATE_TEST_SUITE_P(
    Announcements, CallOrder,
    ::testing::Values(
        OrderRow{"zeroDigit", "", "0", {"display 00:00:00", "say 0 seconds"}},
        OrderRow{"minutesOnly", "130", "0", {"display 00:13:00", "say 13 minutes"}},
        OrderRow{"everyFieldOne", "01010", "1", {"display 01:01:01", "say 1 hour 1 minute 1 second"}},
        OrderRow{"outOfRangeAsTyped", "00750", "0", {"display 00:75:00", "say 75 minutes"}},
        OrderRow{"negativeTotal",
                 "013000+4530+022000",
                 "-",
                 {"tape 73", "scroll", "display 00:00:00", "say total minus 4 minutes 30 seconds"}},
        OrderRow{"zeroTotal", "5-5", "+", {"tape 49", "scroll", "display 00:00:00", "say total 0 seconds"}},
        OrderRow{"thousandHours",
                 repeat("990000+", 10) + "100000",
                 "+",
                 {"tape 265", "scroll", "display 00:00:00", "say total 1000 hours"}},
        OrderRow{"errorKeepsEntry", "6000", "+", {"beep", kInputErrorBox, "say entry kept, 60 minutes"}}),
    rowName<::testing::TestParamInfo<OrderRow>>);

// --- Info ------------------------------------------------------------------

TEST(Info, ShowsTheTextAndChangesNothing)
{
    Session s("013000+45");
    s.model.CommandInfo_Click();
    EXPECT_EQ(s.view.calls,
              std::vector<std::string>{"box information info | Marbolin 1.0\r\n"
                                       "Written by the Marbolin contributors\r\n"
                                       "marbolin@example.org\r\n"
                                       "https://example.org/marbolin\r\n"
                                       "\r\n"
                                       "The program adds and substracts times.\r\n"
                                       "Input a time-value and then click or type '+' or '-'.\r\n"
                                       "'C'=clear, 'Ctrl+C'=clear all\r\n"
                                       "\r\n"});
    EXPECT_EQ(s.model.displayText(), "00:00:45");
    EXPECT_EQ(s.model.Anzeige, "45");
    EXPECT_EQ(s.model.tapeText(), "+ 01:30:00\r\n=001:30:00\r\n");
    EXPECT_EQ(s.totalSeconds(), 5400);
}

TEST(Info, QuestionMarkKeyOnlyBeeps)
{
    Session s;
    s.type("?");
    EXPECT_EQ(s.view.calls, std::vector<std::string>{"beep"});
}

// --- What a view may rely on -----------------------------------------------

TEST(TapeClears, CountsOnlyClearAll)
{
    Session s("1+");
    const auto before = s.model.tapeClears();
    s.type("2+C3c45+");
    EXPECT_EQ(s.model.tapeClears(), before);
    s.type("\x03");
    EXPECT_EQ(s.model.tapeClears(), before + 1);
}

}  // namespace
}  // namespace marbolin
