#include "FaultOption.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "Format.h"

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

bool ParseNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::atoi(text.c_str());
    return value >= low && value <= high;
}

bool ParseHexBytes(const std::string& text, std::vector<uint8_t>& bytes) {
    if (text.empty() || text.size() % 2 != 0 ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return false;
    }
    for (size_t i = 0; i < text.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(std::strtoul(text.substr(i, 2).c_str(), nullptr, 16)));
    }
    return true;
}

}  // namespace

bool ParseFaultOption(const std::string& fault, SRadioFaults& faults, std::string& error) {
    const std::vector<std::string> parts = Split(fault, ':');
    const std::string& name = parts[0];
    error = "unknown fault '" + fault + "' (see kv310ctl simulate --help)";
    if (parts.size() == 1) {
        bool* flag = name == "refuse"         ? &faults.m_bRefuse
                     : name == "silent"       ? &faults.m_bSilent
                     : name == "double-ready" ? &faults.m_bDoubleReady
                     : name == "no-ready"     ? &faults.m_bNoReady
                     : name == "not-allowed"  ? &faults.m_bTransmitNotAllowed
                     : name == "garbage"      ? &faults.m_bServiceGarbage
                                              : nullptr;
        if (flag == nullptr) {
            return false;
        }
        *flag = true;
        return true;
    }
    if (name == "noise") {
        return parts.size() == 2 && ParseHexBytes(parts[1], faults.m_Noise);
    }
    if (name == "service-refusal" || name == "short-status") {
        uint8_t value = 0;
        if (parts.size() != 2 || !ParseHexByteArg(parts[1], value)) {
            error = "fault '" + fault + "': give one byte in hex, e.g. " + name + ":" +
                    (name == "short-status" ? "02" : "65");
            return false;
        }
        if (name == "short-status") {
            faults.m_nStatusBytes = std::min<int>(value, 4);
        } else {
            faults.m_nServiceRefusal = value;
        }
        return true;
    }
    int block = 0;
    int times = 1;
    if (parts.size() > 3 || !ParseNumber(parts[1], 0, kImageBlocks - 1, block) ||
        (parts.size() == 3 && !ParseNumber(parts[2], 1, 100, times))) {
        error = "fault '" + fault + StrPrintf("': BLOCK is 0-%d and TIMES 1-100", kImageBlocks - 1);
        return false;
    }
    struct SBlockFault {
        const char* name;
        int* block;
        int* count;
    };
    const SBlockFault blockFaults[] = {
        {"nak", &faults.m_nNakBlock, &faults.m_nNakCount},
        {"bad-checksum", &faults.m_nBadSumBlock, &faults.m_nBadSumCount},
        {"wrong-address", &faults.m_nWrongAddressBlock, &faults.m_nWrongAddressCount},
        {"short-block", &faults.m_nShortBlock, &faults.m_nShortCount},
        {"silent-after", &faults.m_nSilentAfterBlock, nullptr},
    };
    for (const SBlockFault& fault : blockFaults) {
        if (name == fault.name && (fault.count != nullptr || parts.size() == 2)) {
            *fault.block = block;
            if (fault.count != nullptr) {
                *fault.count = times;
            }
            return true;
        }
    }
    return false;
}

bool ParseHexByteArg(const std::string& text, uint8_t& value) {
    std::vector<uint8_t> bytes;
    if (!ParseHexBytes(text, bytes) || bytes.size() != 1) {
        return false;
    }
    value = bytes[0];
    return true;
}

bool ParseFirmwareVersion(const std::string& text, uint8_t& version) {
    const std::vector<std::string> parts = Split(text, '.');
    int major = 0;
    int minor = 0;
    if (parts.size() != 2 || !ParseNumber(parts[0], 0, 15, major) || !ParseNumber(parts[1], 0, 15, minor)) {
        return false;
    }
    version = static_cast<uint8_t>(major << 4 | minor);
    return true;
}

std::string ModemName(uint8_t modem) {
    switch (modem) {
        case 0xA0:
            return "none";
        case 0xA1:
            return "GMSK";
        case 0xA2:
            return "FFSK";
        default:
            return StrPrintf("unknown (0x%02X)", modem);
    }
}
