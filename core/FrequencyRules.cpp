#include "FrequencyRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "TextMark.h"

namespace {

constexpr double kHzPerMHz = 1000000.0;
constexpr int kPointAfter = 3;  // every band of the radio has three digits of whole MHz

// The step widths by code; the fitting tries them in the order of each model's list.
constexpr double kStepWidthHz[] = {7500.0, 6250.0, 5000.0, 2500.0};

std::string_view LeadingPart(const std::string& text, size_t maxChars) {
    std::string_view view(text.data(), std::min(text.size(), maxChars));
    while (!view.empty() && (view.front() == ' ' || view.front() == '\t')) {
        view.remove_prefix(1);
    }
    if (!view.empty() && view.front() == '+') {
        view.remove_prefix(1);
    }
    return view;
}

// The radio's own range messages (their spacing as it always was), in the window's language.
std::string RxRangeMessage(const SBandLimits& band) {
    return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Valid Range : %s to %sMHz"),
                      FormatFixed(band.m_dLower, 0).c_str(), FormatFixed(band.m_dUpper, 0).c_str());
}

std::string TxRangeMessage(const SBandLimits& band) {
    return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Valid Range %s to %sMHz"),
                      FormatFixed(band.m_dLower, 0).c_str(), FormatFixed(band.m_dUpper, 0).c_str());
}

// k whole steps of the code's width, rounded up to an even count.
double EvenStepsBelow(double hz, int code) {
    double k = std::trunc(hz / StepWidthHz(code));
    if (std::fmod(k, 2.0) != 0.0) {
        k += 1.0;
    }
    return k * StepWidthHz(code) / kHzPerMHz;
}

// The fit of an RX frequency that shares no grid with a TX frequency: its own grid, else 6.25 kHz steps.
SFrequencyFit FitRxAlone(int model, double rxHz) {
    SFrequencyFit fit;
    for (int code : StepCodesOf(model)) {
        if (IsOnStepGrid(rxHz, code)) {
            fit.m_nStep = code;
            fit.m_dValue = rxHz / kHzPerMHz;
            return fit;
        }
    }
    fit.m_nStep = kStep6250;
    fit.m_dValue = EvenStepsBelow(rxHz, kStep6250);
    return fit;
}

void ClearChannel(CChannelData& channel, SRowEdit& row) {
    channel.m_dRxFreq = 0.0;
    channel.m_dTxFreq = 0.0;
    row.m_strRx.clear();
    row.m_strTx.clear();
}

}  // namespace

double FieldTextToDouble(const std::string& text, size_t maxChars) {
    const std::string_view view = LeadingPart(text, maxChars);
    double value = 0.0;
    const auto result = std::from_chars(view.data(), view.data() + view.size(), value);
    return result.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

long long FieldTextToInt(const std::string& text, size_t maxChars) {
    const std::string_view view = LeadingPart(text, maxChars);
    long long value = 0;
    const auto result = std::from_chars(view.data(), view.data() + view.size(), value);
    return result.ec == std::errc() ? value : 0;
}

std::string FormatFixed(double value, int decimals, int width) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    }
    return text;
}

SFrequencyText NormaliseFrequencyText(const std::string& text, int caret) {
    SFrequencyText out{text, caret, false};
    const size_t point = text.find('.');
    const bool tooShortForPoint = text.size() == kPointAfter && point != std::string::npos;
    const bool needsPoint =
        text.size() > kPointAfter && (point == std::string::npos || point > static_cast<size_t>(kPointAfter));
    if (!tooShortForPoint && !needsPoint) {
        return out;
    }
    // Keep the caret behind the same digit: count the digits before it, then find that digit again.
    int digitsBefore = 0;
    std::string digits;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.') {
            continue;
        }
        if (static_cast<int>(i) < caret) {
            ++digitsBefore;
        }
        digits.push_back(text[i]);
    }
    out.m_strText = digits;
    if (needsPoint) {
        out.m_strText.insert(kPointAfter, 1, '.');
    }
    out.m_nCaret = digitsBefore + (needsPoint && digitsBefore > kPointAfter ? 1 : 0);
    out.m_bChanged = out.m_strText != text;
    return out;
}

double StepWidthHz(int code) {
    return code >= 0 && code < 4 ? kStepWidthHz[code] : kStepWidthHz[kStep6250];
}

std::vector<int> StepCodesOf(int model) {
    switch (model) {
        case 0:
        case kModelKv310Vhf:
            return {kStep7500, kStep6250, kStep5000, kStep2500};
        case kModelKv330Vhf:
            return {kStep6250, kStep5000, kStep2500};
        case kModelKv330Uhf:
            return {kStep6250, kStep5000};
        default:  // 1 and 3, the KV310 UHF
            return {kStep7500, kStep6250, kStep5000};
    }
}

bool ModelTakesStep(int model, int code) {
    const std::vector<int> codes = StepCodesOf(model);
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool IsOnStepGrid(double hz, int code) {
    const double q = hz / StepWidthHz(code);
    return q == std::trunc(q);
}

SBandLimits CurrentBandLimits(const CDataRadioDoc& doc) {
    const CModelBand& row = doc.CurrentBand();
    const int sub = doc.m_nSubBand < 3 ? doc.m_nSubBand : 0;
    return {row.m_dLow[sub], row.m_dHigh[sub]};
}

SFrequencyFit ValidateRxFrequency(int model, const SBandLimits& band, double rxMhz, double txMhz) {
    const double rxHz = rxMhz * kHzPerMHz;
    const double txHz = txMhz * kHzPerMHz;
    SFrequencyFit fit;
    bool found = false;
    if (txHz != 0.0) {
        for (int code : StepCodesOf(model)) {
            if (IsOnStepGrid(rxHz, code) && IsOnStepGrid(txHz, code)) {
                fit.m_nStep = code;
                fit.m_dValue = rxHz / kHzPerMHz;
                found = true;
                break;
            }
        }
        for (int code : StepCodesOf(model)) {
            if (found) {
                break;
            }
            if (IsOnStepGrid(txHz, code)) {
                fit.m_nStep = code;
                fit.m_dValue = EvenStepsBelow(rxHz, code);
                found = true;
            }
        }
    }
    // A TX frequency on none of the model's grids gives RX nothing to follow: fit RX as if TX were empty.
    if (!found) {
        fit = FitRxAlone(model, rxHz);
    }
    fit.m_bOutOfBand = band.IsOutside(fit.m_dValue);
    return fit;
}

SFrequencyFit ValidateTxFrequency(int model, const SBandLimits& band, double rxMhz, double txMhz,
                                  int currentStep) {
    const double rxHz = rxMhz * kHzPerMHz;
    const double txHz = txMhz * kHzPerMHz;
    SFrequencyFit fit;
    fit.m_nStep = -1;
    for (int code : StepCodesOf(model)) {
        if (IsOnStepGrid(rxHz, code) && IsOnStepGrid(txHz, code)) {
            fit.m_nStep = code;
            break;
        }
    }
    if (fit.m_nStep < 0 && ModelTakesStep(model, currentStep)) {
        fit.m_nStep = currentStep;
    }
    // A step the model does not take (a record from another model) is never kept: TX's own grid, else 6.25
    // kHz.
    for (int code : StepCodesOf(model)) {
        if (fit.m_nStep >= 0) {
            break;
        }
        if (IsOnStepGrid(txHz, code)) {
            fit.m_nStep = code;
        }
    }
    if (fit.m_nStep < 0) {
        fit.m_nStep = kStep6250;
    }
    fit.m_dValue = std::trunc(txHz / StepWidthHz(fit.m_nStep)) * StepWidthHz(fit.m_nStep) / kHzPerMHz;
    fit.m_bOutOfBand = band.IsOutside(fit.m_dValue);
    return fit;
}

std::string OutOfBandNote(const CDataRadioDoc& doc, int channel) {
    const CChannelData& ch = doc.m_Channel[static_cast<size_t>(channel - 1)];
    const SBandLimits band = CurrentBandLimits(doc);
    const double outside = band.IsOutside(ch.m_dRxFreq)   ? ch.m_dRxFreq
                           : band.IsOutside(ch.m_dTxFreq) ? ch.m_dTxFreq
                                                          : 0.0;
    if (outside == 0.0) {
        return std::string();
    }
    return TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "Channel %d: %s MHz is outside %s–%s MHz"),
                      channel, FormatFixed(outside, 5).c_str(), FormatFixed(band.m_dLower, 0).c_str(),
                      FormatFixed(band.m_dUpper, 0).c_str());
}

std::string FrequencyFieldText(double mhz) {
    return mhz == 0.0 ? std::string() : FormatFixed(mhz, 5);
}

namespace {

// True when the fields hold what the channel holds and it is whole as it stands: a step the model takes and
// both frequencies on that step's grid (within a hertz). Leaving such a field changes nothing, so that a plan
// loaded or read from a radio keeps the steps and the receive-only channels it was made with, and the window
// writes the bytes the command line writes for the same file. A frequency outside the band stays too: it is
// marked and named, and the write check stops at it as it does for the command line.
bool KeepsAsItIs(const CDataRadioDoc& doc, const CChannelData& ch, double rx, double tx) {
    constexpr double kSameMhz = 0.0000001;
    const auto onGrid = [&ch](double mhz) {
        const double steps = mhz * kHzPerMHz / StepWidthHz(ch.m_nStep);
        return std::fabs(steps - std::round(steps)) * StepWidthHz(ch.m_nStep) < 1.0;
    };
    return std::fabs(rx - ch.m_dRxFreq) < kSameMhz && std::fabs(tx - ch.m_dTxFreq) < kSameMhz &&
           ModelTakesStep(doc.m_nModel, ch.m_nStep) && onGrid(rx) && onGrid(tx);
}

}  // namespace

void LeaveRxField(CDataRadioDoc& doc, int channel, SRowEdit& row) {
    CChannelData& ch = doc.m_Channel[static_cast<size_t>(channel - 1)];
    const SBandLimits band = CurrentBandLimits(doc);
    const double rx = FieldTextToDouble(row.m_strRx);
    const double tx = FieldTextToDouble(row.m_strTx);
    if (rx != 0.0 && KeepsAsItIs(doc, ch, rx, tx)) {
        row.m_strRx = FrequencyFieldText(ch.m_dRxFreq);
        row.m_strTx = FrequencyFieldText(ch.m_dTxFreq);
        return;
    }
    // A field holding no frequency (empty, or a text worth 0) counts as empty.
    if (rx == 0.0 && tx == 0.0) {
        ClearChannel(ch, row);
        return;
    }
    if (rx == 0.0) {
        // RX cleared while TX still holds a frequency: the channel is unprogrammed until the TX field is left
        // (which moves TX over) or cleared too; the field must not show a frequency of 0.
        ch.m_dRxFreq = 0.0;
        row.m_strRx.clear();
        return;
    }
    SFrequencyFit fit = ValidateRxFrequency(doc.m_nModel, band, rx, tx);
    if (fit.m_bOutOfBand) {
        const double replacement = band.Contains(tx) ? tx : band.Middle();
        fit = ValidateRxFrequency(doc.m_nModel, band, replacement, tx);
        row.m_strMessage = RxRangeMessage(band);
        row.m_Focus = ERowFocus::RxOption;
    }
    ch.m_dRxFreq = fit.m_dValue;
    ch.m_nStep = fit.m_nStep;
    row.m_strRx = FrequencyFieldText(fit.m_dValue);
    if (tx == 0.0) {
        // Typing only an RX frequency gives the channel the same TX frequency.
        ch.m_dTxFreq = fit.m_dValue;
        row.m_strTx = row.m_strRx;
    }
}

void LeaveTxField(CDataRadioDoc& doc, int channel, SRowEdit& row) {
    CChannelData& ch = doc.m_Channel[static_cast<size_t>(channel - 1)];
    const SBandLimits band = CurrentBandLimits(doc);
    const double rx = FieldTextToDouble(row.m_strRx);
    const double tx = FieldTextToDouble(row.m_strTx);
    if (rx != 0.0 && KeepsAsItIs(doc, ch, rx, tx)) {
        row.m_strRx = FrequencyFieldText(ch.m_dRxFreq);
        row.m_strTx = FrequencyFieldText(ch.m_dTxFreq);
        return;
    }
    if (tx == 0.0) {
        if (rx == 0.0) {
            ClearChannel(ch, row);
            return;
        }
        ch.m_dTxFreq = rx;
        row.m_strTx = FrequencyFieldText(rx);
        return;
    }
    if (rx == 0.0) {
        // A TX frequency on its own becomes the channel's RX frequency, and comes back as TX from there.
        ch.m_dTxFreq = 0.0;
        row.m_strTx.clear();
        row.m_strRx = FrequencyFieldText(tx);
        LeaveRxField(doc, channel, row);
        return;
    }
    const SFrequencyFit fit = ValidateTxFrequency(doc.m_nModel, band, rx, tx, ch.m_nStep);
    ch.m_nStep = fit.m_nStep;
    double value = fit.m_dValue;
    if (fit.m_bOutOfBand) {
        row.m_strMessage = TxRangeMessage(band);
        row.m_Focus = ERowFocus::TxOption;
        value = rx;
    }
    if (value == 0.0) {
        value = rx;  // less than one step: as good as an empty TX field
    }
    ch.m_dTxFreq = value;
    row.m_strTx = FrequencyFieldText(value);
}
