#pragma once
// The option sheet's pages by index, fixed by the order the sheet adds them; the View menu's check marks
// use them too.

constexpr int kPageChannel = 0;
constexpr int kPageModem = 1;
constexpr int kPageEeprom = 2;
constexpr int kPageSystem = 3;
constexpr int kPageCount = 4;
