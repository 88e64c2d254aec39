#include "ChannelRows.h"

#include <algorithm>

#include "Format.h"
#include "FrequencyRules.h"
#include "TextMark.h"

namespace {

CChannelData& At(CDataRadioDoc& doc, int channel) {
    return doc.m_Channel[static_cast<size_t>(channel - 1)];
}

bool IsChannel(int channel) {
    return channel >= 1 && channel <= kChannels;
}

const char* const kStepKhzTexts[] = {"7.5", "6.25", "5", "2.5"};

}  // namespace

void ClearChannel(CDataRadioDoc& doc, int channel) {
    if (IsChannel(channel)) {
        At(doc, channel).ResetToDefaults();
    }
}

void InsertChannel(CDataRadioDoc& doc, int channel) {
    if (!IsChannel(channel)) {
        return;
    }
    for (int n = kChannels; n > channel; --n) {
        At(doc, n) = At(doc, n - 1);
    }
    ClearChannel(doc, channel);
}

void RemoveChannel(CDataRadioDoc& doc, int channel) {
    if (!IsChannel(channel)) {
        return;
    }
    for (int n = channel; n < kChannels; ++n) {
        At(doc, n) = At(doc, n + 1);
    }
    ClearChannel(doc, kChannels);
}

bool MoveChannels(CDataRadioDoc& doc, std::vector<int> channels, int delta) {
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    if (channels.empty() || (delta != -1 && delta != 1) || !IsChannel(channels.front()) ||
        !IsChannel(channels.back()) || !IsChannel(channels.front() + delta) ||
        !IsChannel(channels.back() + delta)) {
        return false;
    }
    // Moving up, the top channel goes first; moving down, the bottom one: each swaps with its neighbour.
    if (delta > 0) {
        std::reverse(channels.begin(), channels.end());
    }
    for (const int n : channels) {
        std::swap(At(doc, n), At(doc, n + delta));
    }
    return true;
}

std::vector<std::string> ApplyBulkEdit(CDataRadioDoc& doc, const std::vector<int>& channels,
                                       const SBulkEdit& edit) {
    std::vector<std::string> refused;
    for (const int n : channels) {
        if (!IsChannel(n)) {
            continue;
        }
        CChannelData& ch = At(doc, n);
        for (auto [value, member] : {std::pair{edit.m_nWide, &CChannelData::m_bWide},
                                     std::pair{edit.m_nHighPower, &CChannelData::m_bHighPower},
                                     std::pair{edit.m_nScan, &CChannelData::m_bScan}}) {
            if (value != kUnchanged) {
                ch.*member = value != 0 ? 1 : 0;
            }
        }
        if (edit.m_nStep != kUnchanged) {
            if (ModelTakesStep(doc.m_nModel, edit.m_nStep) &&
                IsOnStepGrid(ch.m_dRxFreq * 1e6, edit.m_nStep) &&
                IsOnStepGrid(ch.m_dTxFreq * 1e6, edit.m_nStep)) {
                ch.m_nStep = edit.m_nStep;
            } else {
                const std::string what =
                    ModelTakesStep(doc.m_nModel, edit.m_nStep)
                        ? StrPrintf("%.5f/%.5f MHz", ch.m_dRxFreq, ch.m_dTxFreq)
                        : LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "this model"));
                refused.push_back(TextPrintf(
                    KV310_MESSAGES,
                    KV310_TEXT("Messages", "channel %d: step %s kHz does not fit %s; kept %s kHz"), n,
                    kStepKhzTexts[edit.m_nStep & 3], what.c_str(), kStepKhzTexts[ch.m_nStep & 3]));
            }
        }
        if (edit.m_nRxOption == kUnchanged && edit.m_nTxOption == kUnchanged) {
            continue;
        }
        if (ch.m_dRxFreq == 0.0 || ch.m_dTxFreq == 0.0) {
            // The option buttons of a channel without frequencies open nothing.
            refused.push_back(TextPrintf(
                KV310_MESSAGES, KV310_TEXT("Messages", "channel %d: no frequency; signalling kept"), n));
            continue;
        }
        if (edit.m_nRxOption != kUnchanged) {
            ch.m_nRxOption = edit.m_nRxOption;
            if (edit.m_nRxOption == kSigCtcss) {
                ch.m_dRxCtcss = edit.m_dRxCtcss;
            } else if (edit.m_nRxOption == kSigDcs) {
                ch.m_nRxDcs = edit.m_nRxDcs;
            }
        }
        if (edit.m_nTxOption != kUnchanged) {
            ch.m_nTxOption = edit.m_nTxOption;
            if (edit.m_nTxOption == kSigCtcss) {
                ch.m_dTxCtcss = edit.m_dTxCtcss;
            } else if (edit.m_nTxOption == kSigDcs) {
                ch.m_nTxDcs = edit.m_nTxDcs;
            }
        }
    }
    return refused;
}
