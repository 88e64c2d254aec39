#pragma once
// The radio-wide timers beside the channel rows: the time-out and hang lists (the record keeps the time,
// the list its position) and the two power-save times, which snap to the receiver's timing grid.

#include <string>
#include <vector>

#include "DataRadioDoc.h"

constexpr int kTimeOutItems = 100;  // "No Timer", 10 ... 990 s
constexpr int kHangItems = 184;     // "No Timer", 180 ... 2000 ms
constexpr int kPowerSaveDelayItems = 5;

std::vector<std::string> TimeOutListTexts();
std::vector<std::string> HangListTexts();
std::vector<std::string> PowerSaveDelayTexts();

// What choosing a list position writes into the record.
void ApplyTimeOutIndex(CDataRadioDoc& doc, int index);
void ApplyHangIndex(CDataRadioDoc& doc, int index);
// The position that shows the record's time (times between the steps show the step below; times outside
// the list show its nearest end).
int TimeOutIndexOf(const CDataRadioDoc& doc);
int HangIndexOf(const CDataRadioDoc& doc);

// A power-save time field left by the user: the value to store and show, and the message when the entry
// was out of range and the default took its place.
struct STimeFit {
    int m_nValue = 0;
    std::string m_strMessage;
};
// "Rx Off Time" (the receiver asleep): whole 10 ms, 20-400, else 200.
STimeFit FitRxOffTime(const std::string& text);
// "Rx On Time" (the receiver awake): 30, 50, ... 270, else 50.
STimeFit FitRxOnTime(const std::string& text);
