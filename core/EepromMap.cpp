#include "EepromMap.h"

#include <cctype>

#include "EepromLayout.h"
#include "Format.h"

namespace {

constexpr size_t kAccessCodeChars = 9;
const char* const kStepTexts[4] = {"2.50", "5.00", "6.25", "7.50"};  // by step bits 00, 01, 10, 11

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

}  // namespace

int32_t AccessCodeFromText(const std::string& text) {
    int32_t number = 0;
    for (size_t i = 0;
         i < text.size() && i < kAccessCodeChars && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

EHexInput ParseHexByte(const std::string& text, uint8_t& value) {
    if (text.empty()) {
        return EHexInput::Empty;
    }
    if (text.size() > 2) {
        return EHexInput::Bad;
    }
    int parsed = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return EHexInput::Bad;
        }
        parsed = parsed * 16 + digit;
    }
    value = static_cast<uint8_t>(parsed);
    return EHexInput::Ok;
}

std::string MapAddressText(int row, int column) {
    return StrPrintf("0x%x%x", row - 1, column - 1);
}

std::vector<std::string> SlotStepTexts(const CImageBytes& image) {
    std::vector<std::string> texts;
    for (int i = 0; i < kChannels; ++i) {
        const uint8_t byte0 = image[SlotAddr(i) + kSlotStepBits.m_nAddr];
        texts.push_back(kStepTexts[(byte0 >> kSlotStepBits.m_nShift) & 0x03]);
    }
    return texts;
}

void AcceptMapEdit(CEepromImage& image, CDataRadioDoc& doc, int address, uint8_t value) {
    image.m_Work[address] = value;
    image.SetChangeByte(address, value);
    if (address == kService13) {
        doc.m_ServiceBytes[13] = value;
    }
    doc.m_ServiceBytes[12] = image.m_Work[kService12];
}
