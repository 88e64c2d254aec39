#pragma once
// How the option pages' edit fields turn a typed text into a record value: the text's leading number, rounded
// down to the field's step and checked against its range. A refused entry either keeps the record's value or
// puts a fixed one in its place, and the field says so with its own message. The lists of fixed values the
// pages offer ("5", "10" … "80") are built here too, so the pages only move texts.

#include <cstdint>
#include <string>
#include <vector>

#include "TextMark.h"

// The editors read a text from its leading number: blanks, an optional sign, then digits; no digits gives 0.
// A number too large for 32 bits reads as the nearest 32-bit value, so that a field refuses it instead of
// taking a wrapped-around value.
int32_t LeadingInteger(const std::string& text);

constexpr int32_t kKeepValue = INT32_MIN;  // a refusal leaves the record's value as it was

struct SEditRule {
    int32_t m_nMin;
    int32_t m_nMax;
    int32_t m_nStep;           // the value is rounded toward zero to a multiple of this
    const char* m_pszRefusal;  // the message of an entry out of range
    int32_t m_nRefusedValue;   // what the record holds after a refusal, or kKeepValue
    int m_nWidth;              // the field shows the value right-aligned in this many places (0: as is)
};

struct SEditOutcome {
    bool m_bAccepted = false;
    int32_t m_nValue = 0;   // the record's value after the check
    std::string m_strText;  // what the field shows after the check
};

SEditOutcome CheckEdit(const SEditRule& rule, const std::string& text, int32_t current);
// The field's text for a record value.
std::string EditText(const SEditRule& rule, int32_t value);

// The fields of the System/GPS page and of the Modem page's switching delays.
constexpr SEditRule kScanSpeedRule{50, 2000, 10, KV310_TEXT("Messages", "Valid Settings 50 - 2000 ms"),
                                   50, 4};
constexpr SEditRule kGpsTxTimeRule{1, 10, 1, KV310_TEXT("Messages", "Valid Settings 1 - 10"), kKeepValue, 0};
constexpr SEditRule kGpsDelayRule{50,         300, 10, KV310_TEXT("Messages", "Valid Settings 50 - 300"),
                                  kKeepValue, 0};
constexpr SEditRule kTxOffDelayRule{0, 16, 2, KV310_TEXT("Messages", "Valid Settings 0 - 16 ms"), 0, 0};
constexpr SEditRule kTxOnTimeRule{0, 254, 2, KV310_TEXT("Messages", "Valid Settings 0 - 255 ms"), 0, 0};
constexpr SEditRule kRxOnDelayRule{0, 126, 2, KV310_TEXT("Messages", "Valid Settings 0 - 127 ms"), 0, 0};

// "first", "first + step" … "last": the texts of a list whose position is what the record stores.
std::vector<std::string> StepTexts(int first, int last, int step);
