#pragma once
// The program's one access code: it unlocks two-tone signalling (the channel option dialog) and the EEPROM
// map's byte editing.

constexpr int kAccessCode = 7259;
