#pragma once
// Texts of the simulate and status verbs: fault options, firmware versions, modem names.

#include <cstdint>
#include <string>

#include "RadioSimulator.h"

// One --fault value: refuse, silent, double-ready, no-ready, not-allowed, noise:HEXBYTES, nak:BLOCK[:TIMES],
// bad-checksum:BLOCK[:TIMES], wrong-address:BLOCK[:TIMES], short-block:BLOCK[:TIMES], silent-after:BLOCK,
// garbage, service-refusal:HEXBYTE, short-status:COUNT.
// TIMES defaults to 1. False with a message for anything else.
bool ParseFaultOption(const std::string& fault, SRadioFaults& faults, std::string& error);

// "A1" -> 0xA1 (one byte in hex).
bool ParseHexByteArg(const std::string& text, uint8_t& value);

// "1.2" -> 0x12 (major and minor 0-15).
bool ParseFirmwareVersion(const std::string& text, uint8_t& version);

// The fitted modem of a status record: "none", "GMSK", "FFSK", or the byte in hex.
std::string ModemName(uint8_t modem);
