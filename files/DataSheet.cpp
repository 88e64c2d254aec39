#include "DataSheet.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "Format.h"
#include "TextMark.h"

namespace {

// The sheet's fixed texts in the language the caller installed (the window's, or kv310ctl print's
// --language); without a lookup they stay as the English sheet has always printed them.
std::string Say(const char* text) {
    return LookUpText("DataSheet", text);
}

constexpr int kRuleLength = 93;
constexpr int32_t kRuleX = 250;

int32_t RowY(int n) {
    return 1750 + 700 * n;  // channel n's baseline, n = 1..16
}

// x positions of the channel table: the current layout and the older one of rows 0 and 1
struct SColumns {
    int32_t rxOptionHead, txFreqHead, txOptionHead, scanHead, widthHead, powerHead, hangOnHead;
};
constexpr SColumns kColumns{2200, 3500, 5200, 6700, 7500, 8500, 9400};
constexpr SColumns kOlderColumns{2300, 3600, 5300, 7900, 8000, 9000, 10000};

bool IsOlderLayout(const CDataRadioDoc& doc) {
    return doc.m_nModel == 0 || doc.m_nModel == 1;
}

void AddHeading(const CDataRadioDoc& doc, CSheetPage& page) {
    const std::string rule(kRuleLength, '-');
    const bool titled = doc.m_nModel >= kFirstOfferedModel && doc.m_nModel <= kLastOfferedModel;
    page.push_back({3400, 600, Say(KV310_TEXT("DataSheet", "===== PC PROGRAMMER DATA SHEET ====="))});
    page.push_back({400, 900, Say(KV310_TEXT("DataSheet", "* MODEL"))});
    page.push_back({1300, 900, titled ? StrPrintf(": %s", doc.CurrentBand().m_strTitle.c_str()) : ""});
    page.push_back({500, 1400, Say(KV310_TEXT("DataSheet", "## CHANNEL DATA ##"))});
    page.push_back({kRuleX, 1700, rule});
    page.push_back({kRuleX, 2100, rule});

    const SColumns& c = IsOlderLayout(doc) ? kOlderColumns : kColumns;
    constexpr int32_t y = 1900;
    page.push_back({300, y, Say(KV310_TEXT("DataSheet", "CH"))});
    page.push_back({700, y, Say(KV310_TEXT("DataSheet", "RX_FREQ(MHz)"))});
    page.push_back({c.rxOptionHead, y, Say(KV310_TEXT("DataSheet", "RX_OPTION"))});
    page.push_back({c.txFreqHead, y, Say(KV310_TEXT("DataSheet", "TX_FREQ(MHz)"))});
    page.push_back({c.txOptionHead, y, Say(KV310_TEXT("DataSheet", "TX_OPTION"))});
    page.push_back({c.scanHead, y, Say(KV310_TEXT("DataSheet", "SCAN"))});
    page.push_back({c.widthHead, y, Say(KV310_TEXT("DataSheet", "WIDTH"))});
    page.push_back({c.powerHead, y, Say(KV310_TEXT("DataSheet", "POWER"))});
    page.push_back({c.hangOnHead, y, Say(KV310_TEXT("DataSheet", "HANG-ON"))});
}

// A signalling cell of the current layout: the tone or code above its kind; "NO" when there is none;
// nothing for two-tone. x is the column's tone position (2400 receive, 5400 transmit).
void AddOptionCell(int option, double ctcss, int32_t dcs, int32_t x, int32_t y, CSheetPage& page) {
    if (option == kSigNone) {
        page.push_back({x + 200, y, Say(KV310_TEXT("DataSheet", "NO"))});
    } else if (option == kSigCtcss) {
        page.push_back({x, y - 115, StrPrintf("%5.1f", ctcss)});
        page.push_back({x - 100, y + 115, Say(KV310_TEXT("DataSheet", "(CTCSS)"))});
    } else if (option == kSigDcs) {
        page.push_back({x, y - 115, StrPrintf("%03d", dcs)});
        page.push_back({x - 100, y + 115, Say(KV310_TEXT("DataSheet", "(DCS)"))});
    }
}

void AddChannelRow(const CDataRadioDoc& doc, int n, CSheetPage& page) {
    const CChannelData& channel = doc.m_Channel[n - 1];
    const int32_t y = RowY(n);
    page.push_back({350, y, StrPrintf("%d", n)});
    page.push_back({700, y, channel.m_dRxFreq == 0.0 ? "  -" : StrPrintf("%8.4f", channel.m_dRxFreq)});
    if (channel.m_dTxFreq == 0.0) {
        page.push_back({3700, y, "-"});
    } else {
        page.push_back({3500, y, StrPrintf("%8.4f", channel.m_dTxFreq)});
    }
    AddOptionCell(channel.m_nRxOption, channel.m_dRxCtcss, channel.m_nRxDcs, 2400, y, page);
    AddOptionCell(channel.m_nTxOption, channel.m_dTxCtcss, channel.m_nTxDcs, 5400, y, page);
    page.push_back(
        {6700, y,
         Say(channel.m_bScan != 0 ? KV310_TEXT("DataSheet", "ON") : KV310_TEXT("DataSheet", "OFF"))});
    page.push_back(
        {7500, y,
         Say(channel.m_bWide != 0 ? KV310_TEXT("DataSheet", " WIDE") : KV310_TEXT("DataSheet", "NARROW"))});
    page.push_back(
        {8500, y,
         Say(channel.m_bHighPower != 0 ? KV310_TEXT("DataSheet", "HIGH") : KV310_TEXT("DataSheet", "LOW"))});
    page.push_back({9400, y, doc.m_nHangOnTime == 0 ? "  -" : StrPrintf("%d", doc.m_nHangOnTime)});
}

// The older layout's one-line signalling cell.
void AddOlderOptionCell(int option, double ctcss, int32_t dcs, int32_t x, int32_t y, CSheetPage& page) {
    if (option == kSigNone) {
        page.push_back({x + 300, y, Say(KV310_TEXT("DataSheet", "NO"))});
    } else if (option == kSigCtcss) {
        page.push_back({x, y, TextPrintf("DataSheet", KV310_TEXT("DataSheet", "%0.1f (CTCSS)"), ctcss)});
    } else if (option == kSigDcs) {
        page.push_back({x, y, TextPrintf("DataSheet", KV310_TEXT("DataSheet", "%03d (DCS)"), dcs)});
    }
}

void AddOlderChannelRow(const CDataRadioDoc& doc, int n, CSheetPage& page) {
    const CChannelData& channel = doc.m_Channel[n - 1];
    const int32_t y = RowY(n);
    page.push_back({350, y, StrPrintf("%d", n)});
    page.push_back({800, y, channel.m_dRxFreq == 0.0 ? "   -" : StrPrintf("%8.4f", channel.m_dRxFreq)});
    page.push_back({3800, y, channel.m_dTxFreq == 0.0 ? "   -" : StrPrintf("%8.4f", channel.m_dTxFreq)});
    AddOlderOptionCell(channel.m_nRxOption, channel.m_dRxCtcss, channel.m_nRxDcs, 2400, y, page);
    AddOlderOptionCell(channel.m_nTxOption, channel.m_dTxCtcss, channel.m_nTxDcs, 5400, y, page);
    page.push_back(
        {8000, y, Say(channel.m_bScan != 0 ? KV310_TEXT("DataSheet", "S") : KV310_TEXT("DataSheet", "OFF"))});
    page.push_back(
        {8100, y,
         Say(channel.m_bWide != 0 ? KV310_TEXT("DataSheet", "Wide") : KV310_TEXT("DataSheet", "Narrow"))});
    page.push_back(
        {9100, y,
         Say(channel.m_bHighPower != 0 ? KV310_TEXT("DataSheet", "High") : KV310_TEXT("DataSheet", "Low"))});
    page.push_back({10200, y, doc.m_nHangOnTime == 0 ? "   -" : StrPrintf("%d", doc.m_nHangOnTime)});
}

CSheetPage BuildChannelPage(const CDataRadioDoc& doc) {
    CSheetPage page;
    AddHeading(doc, page);
    for (int n = 1; n <= kChannels; ++n) {
        if (IsOlderLayout(doc)) {
            AddOlderChannelRow(doc, n, page);
        } else {
            AddChannelRow(doc, n, page);
        }
        page.push_back({kRuleX, 2100 + 700 * n, std::string(kRuleLength, '-')});
    }
    return page;
}

// ---- page 2, the options ------------------------------------------------------------------------------

constexpr int32_t kLeftValueX = 3800;
constexpr int32_t kRightValueX = 9000;

const SSheetItem kOptionLabels[] = {
    {4000, 900, KV310_TEXT("DataSheet", "====  OPTION DATA  ====")},
    {700, 1700, KV310_TEXT("DataSheet", "### RX OPTION ###")},
    {500, 2300, KV310_TEXT("DataSheet", "1. POWER SAVE MODE")},
    {500, 2600, KV310_TEXT("DataSheet", "2. DELAY TIME")},
    {500, 2900, KV310_TEXT("DataSheet", "3. POWER SAVE ON TIME")},
    {500, 3200, KV310_TEXT("DataSheet", "4. POWER SAVE OFF TIME")},
    {5600, 1700, KV310_TEXT("DataSheet", "### TX OPTION ###")},
    {5400, 2000, KV310_TEXT("DataSheet", "1. TX TIME OUT TIME")},
    {5400, 2300, KV310_TEXT("DataSheet", "2. BEEP WHEN HANG ON TIME")},
    {5400, 2600, KV310_TEXT("DataSheet", "3. TX TONE GENERATION")},
    {5700, 2900, KV310_TEXT("DataSheet", "FOR DATA INPUT")},
    {5400, 3200, KV310_TEXT("DataSheet", "4. BUSY CHANNEL LOCKOUT")},
    {5400, 3500, KV310_TEXT("DataSheet", "5. ENABLES TX MATCHED SAT")},
    {5400, 3800, KV310_TEXT("DataSheet", "6. TX DELAY")},
    {700, 4700, KV310_TEXT("DataSheet", "### SCAN OPTION ###")},
    {500, 5000, KV310_TEXT("DataSheet", "1. SCAN DELAY TIME")},
    {500, 5300, KV310_TEXT("DataSheet", "2. SCAN SPEED TIME")},
    {5600, 4700, KV310_TEXT("DataSheet", "### GPS OPTION ###")},
    {5400, 5000, KV310_TEXT("DataSheet", "1. GPS")},
    {5400, 5300, KV310_TEXT("DataSheet", "2. TRASMISSION CYCLE")},
    {5400, 5600, KV310_TEXT("DataSheet", "3. DATA TRANSMISSION TIME")},
    {5400, 5900, KV310_TEXT("DataSheet", "4. DATA DELAY TIME")},
    {700, 6500, KV310_TEXT("DataSheet", "### MODEM OPTION ###")},
    {500, 7100, KV310_TEXT("DataSheet", "1. MODEM")},
    {500, 7400, KV310_TEXT("DataSheet", "2. MODEM BAUD RATE")},
    {800, 7700, KV310_TEXT("DataSheet", "2.1 S BAND")},
    {800, 8000, KV310_TEXT("DataSheet", "2.2 N BAND")},
    {5600, 6500, KV310_TEXT("DataSheet", "### SYSTEM OPTION 2 ###")},
    {5400, 6800, KV310_TEXT("DataSheet", "1. BASE BLOCK SIZE 1")},
    {5400, 7100, KV310_TEXT("DataSheet", "2. PREAMBLE DATA SIZE")},
    {5400, 7400, KV310_TEXT("DataSheet", "3. WAIT FOR BUSY TIME")},
    {5400, 7700, KV310_TEXT("DataSheet", "4. FLOW CONTROL")},
    {5400, 8000, KV310_TEXT("DataSheet", "5. TX DELAY TIME 1")},
    {5400, 8300, KV310_TEXT("DataSheet", "6. TX DELAY TIME 2(TONE ONLY)")},
    {5400, 8600, KV310_TEXT("DataSheet", "7. NUMBER OF ALLOWABLE ERRORS")},
    {5700, 8900, KV310_TEXT("DataSheet", "FOR START BIT")},
    {700, 9500, KV310_TEXT("DataSheet", "### SYSTEM OPTION 1 ###")},
    {500, 9800, KV310_TEXT("DataSheet", "1. MODE")},
    {500, 10100, KV310_TEXT("DataSheet", "2. TX FORCING MODE")},
    {500, 10400, KV310_TEXT("DataSheet", "3. INITIALIZING DATA FOR HT")},
    {5600, 9500, KV310_TEXT("DataSheet", "### SYSTEM OPTION 3 ###")},
    {5400, 9800, KV310_TEXT("DataSheet", "1. TX OFF DELAY")},
    {5400, 10100, KV310_TEXT("DataSheet", "2. TX ON TIME")},
    {5400, 10400, KV310_TEXT("DataSheet", "3. RX ON DELAY")},
};

std::string OnOff(int32_t flag) {
    return Say(flag != 0 ? KV310_TEXT("DataSheet", ": ON") : KV310_TEXT("DataSheet", ": OFF"));
}

std::string EnableDisable(int32_t flag) {
    return Say(flag != 0 ? KV310_TEXT("DataSheet", ": Enable") : KV310_TEXT("DataSheet", ": Disable"));
}

// A list's text for an index; an index outside the list prints nothing.
std::string Pick(std::initializer_list<const char*> texts, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(texts.size())) {
        return "";
    }
    return texts.begin()[index];
}

bool IsKv310(const CDataRadioDoc& doc) {
    return doc.m_nModel == kModelKv310Vhf || doc.m_nModel == kModelKv310Uhf;
}

void AddRxTxValues(const CDataRadioDoc& doc, CSheetPage& page) {
    const char* squelch = doc.m_bSquelch == 0       ? KV310_TEXT("DataSheet", "** Squelch Disabled **")
                          : doc.m_nSquelchType == 0 ? KV310_TEXT("DataSheet", "** Rssi Level Check **")
                                                    : KV310_TEXT("DataSheet", "** Busy Port Check **");
    page.push_back({500, 2000, Say(squelch)});
    const bool saving = doc.m_bPowerSave != 0;
    page.push_back({kLeftValueX, 2300, OnOff(saving ? 1 : 0)});
    page.push_back(
        {kLeftValueX, 2600,
         saving ? TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %lld Sec"), doc.m_nPowerSaveDelay + 1LL)
                : ": -"});
    page.push_back({kLeftValueX, 2900, saving ? StrPrintf(": %d ms", doc.m_nPowerSaveOnTime) : ": -"});
    page.push_back({kLeftValueX, 3200, saving ? StrPrintf(": %d ms", doc.m_nPowerSaveOffTime) : ": -"});

    page.push_back(
        {kRightValueX, 2000, TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %d Sec"), doc.m_nTxTimeOut)});
    page.push_back({kRightValueX, 2300, OnOff(doc.m_bHangOnBeep)});
    page.push_back({kRightValueX, 2750, EnableDisable(doc.m_bTxToneForData)});
    page.push_back({kRightValueX, 3200, OnOff(doc.m_bBusyLockout)});
    page.push_back({kRightValueX, 3500, OnOff(doc.m_bBusyLockout == 0 ? 0 : doc.m_bTxMatchedSat)});
    page.push_back({kRightValueX, 3800, OnOff(doc.m_bTxDelay)});
}

void AddScanGpsValues(const CDataRadioDoc& doc, CSheetPage& page) {
    page.push_back({kLeftValueX, 5000,
                    TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %lld Sec"), doc.m_nScanDelay + 1LL)});
    page.push_back({kLeftValueX, 5300, StrPrintf(": %d ms", doc.m_nScanSpeed)});
    const bool gps = doc.m_bGps != 0;
    page.push_back({kRightValueX, 5000, EnableDisable(gps ? 1 : 0)});
    page.push_back(
        {kRightValueX, 5300,
         gps ? TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %lld Hour"), doc.m_nGpsCycle + 1LL)
             : ": -"});
    page.push_back(
        {kRightValueX, 5600,
         gps ? TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %d Sec"), doc.m_nGpsTxTime) : ": -"});
    page.push_back(
        {kRightValueX, 5900,
         gps ? TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %d Sec"), doc.m_nGpsDelay) : ": -"});
}

void AddModemValues(const CDataRadioDoc& doc, CSheetPage& page) {
    std::string type = Say(KV310_TEXT("DataSheet", "Modem is not selected"));
    if (doc.m_bModemGmsk != 0) {
        type = "** GMSK **";
    } else if (doc.m_bModemFfsk != 0) {
        type = "** FFSK **";
    } else if (doc.m_bModemAfsk != 0) {
        type = Say(doc.m_bAfskBell202 != 0 ? KV310_TEXT("DataSheet", "** AFSK  BELL202 Mode **")
                                           : KV310_TEXT("DataSheet", "** AFSK  V23 Mode **"));
    }
    page.push_back({500, 6800, type});
    page.push_back({kLeftValueX, 7100, EnableDisable(doc.m_bModem)});

    std::string sBand = ": -";
    std::string nBand = ": -";
    if (doc.m_bModem != 0) {
        sBand = nBand = "";
        if (doc.m_bModemGmsk != 0) {
            sBand = Pick({": 4800 bps", ": 9600 bps"}, doc.m_nSBandBaud);
            nBand = ": 4800 bps";
        } else if (doc.m_bModemFfsk != 0) {
            sBand = Pick({": 1200 bps", ": 2400 bps", ": 4800 bps"}, doc.m_nSBandBaud);
            nBand = Pick({": 1200 bps", ": 2400 bps"}, doc.m_nNBandBaud);
        } else if (doc.m_bModemAfsk != 0) {
            sBand = nBand = ": 1200 bps";
        }
    }
    page.push_back({kLeftValueX, 7700, sBand});
    page.push_back({kLeftValueX, 8000, nBand});
}

void AddSystemValues(const CDataRadioDoc& doc, CSheetPage& page) {
    // ": NONE", then ": 32 BYTE" to ": 8192 BYTE"
    const int32_t block = doc.m_nBaseBlockSize;
    page.push_back({kRightValueX, 6800,
                    block == 0 ? Say(KV310_TEXT("DataSheet", ": NONE"))
                    : block > 0 && block <= 9
                        ? TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %d BYTE"), 16 << block)
                        : std::string()});
    const bool preambleKnown = doc.m_nPreambleSize >= 0 && doc.m_nPreambleSize <= 15;
    page.push_back({kRightValueX, 7100,
                    preambleKnown ? TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %d BIT"),
                                               16 + 8 * doc.m_nPreambleSize)
                                  : ""});
    std::string waitBusy = ": -";
    if (!IsKv310(doc)) {
        const bool known = doc.m_nWaitBusyTime >= 0 && doc.m_nWaitBusyTime <= 15;
        waitBusy = known ? StrPrintf(": %d ms", (doc.m_nWaitBusyTime + 1) * 100) : "";
    }
    page.push_back({kRightValueX, 7400, waitBusy});
    page.push_back({kRightValueX, 7700,
                    doc.m_nFlowControl == 0 ? Say(KV310_TEXT("DataSheet", ": NONE"))
                                            : Pick({"", ": Xon / Xoff", ": RTS / CTS"}, doc.m_nFlowControl)});
    // sic: from 50 ms on the sheet has no blank before "ms"
    const std::string delay1 =
        Pick({": 5 ms", ": 10 ms", ": 15 ms", ": 20 ms", ": 25 ms", ": 30 ms", ": 35 ms", ": 40 ms",
              ": 45 ms", ": 50ms", ": 55ms", ": 60ms", ": 65ms", ": 70ms", ": 75ms", ": 80ms"},
             doc.m_nTxDelayTime1);
    page.push_back({kRightValueX, 8000, IsKv310(doc) ? ": -" : delay1});
    const std::string delay2 =
        Pick({": 200 ms", ": 250 ms", ": 300 ms", ": 350 ms", ": 400 ms", ": 450 ms"}, doc.m_nTxDelayTime2);
    page.push_back({kRightValueX, 8300, IsKv310(doc) || doc.m_bModemGmsk != 0 ? ": -" : delay2});
    const int32_t errors = doc.m_nStartBitErrors;
    page.push_back({kRightValueX, 8750,
                    errors >= 0 && errors <= 3
                        ? TextPrintf("DataSheet", KV310_TEXT("DataSheet", ": %d BIT"), errors)
                        : std::string()});

    const char* mode = doc.m_bTestMode != 0    ? KV310_TEXT("DataSheet", "Test Mode Enable")
                       : doc.m_nModemMode == 2 ? KV310_TEXT("DataSheet", ": Auto Mode")
                                               : KV310_TEXT("DataSheet", ": Dumb Mode");
    page.push_back({kLeftValueX, 9800, Say(mode)});
    page.push_back({kLeftValueX, 10100, EnableDisable(doc.m_bTxForcing)});
    page.push_back({kLeftValueX, 10400, EnableDisable(doc.m_bInitDataForHt)});
    page.push_back({kRightValueX, 9800, StrPrintf(": %d ms", doc.m_nTxOffDelay)});
    page.push_back({kRightValueX, 10100, StrPrintf(": %d ms", doc.m_nTxOnTime)});
    page.push_back({kRightValueX, 10400, StrPrintf(": %d ms", doc.m_nRxOnDelay)});
}

CSheetPage BuildOptionPage(const CDataRadioDoc& doc) {
    CSheetPage page(std::begin(kOptionLabels), std::end(kOptionLabels));
    for (SSheetItem& label : page) {
        label.strText = Say(label.strText.c_str());
    }
    AddRxTxValues(doc, page);
    AddScanGpsValues(doc, page);
    AddModemValues(doc, page);
    AddSystemValues(doc, page);
    return page;
}

// Up to this many empty grid rows in a row are closed up; a longer run marks a group break.
constexpr size_t kClosedGap = 3;

}  // namespace

SDataSheet BuildDataSheet(const CDataRadioDoc& doc) {
    SDataSheet sheet;
    sheet.strJobName = TextPrintf("DataSheet", KV310_TEXT("DataSheet", "%s DATA SHEET"),
                                  doc.CurrentBand().m_strTitle.c_str());
    sheet.pages.push_back(BuildChannelPage(doc));
    sheet.pages.push_back(BuildOptionPage(doc));
    return sheet;
}

std::string DataSheetPageText(const CSheetPage& page) {
    std::vector<std::string> rows;
    for (const SSheetItem& item : page) {
        const size_t row = static_cast<size_t>(std::max<int32_t>(item.nY, 0) / kGridRowTwips);
        const size_t column = static_cast<size_t>(std::max<int32_t>(item.nX, 0) / kGridColumnTwips);
        if (rows.size() <= row) {
            rows.resize(row + 1);
        }
        std::string& line = rows[row];
        if (line.size() < column + item.strText.size()) {
            line.resize(column + item.strText.size(), ' ');
        }
        line.replace(column, item.strText.size(), item.strText);
    }
    std::string text;
    size_t blanks = 0;
    for (std::string& line : rows) {
        line.erase(line.find_last_not_of(' ') + 1);
        if (line.empty()) {
            ++blanks;
            continue;
        }
        if (blanks > kClosedGap && !text.empty()) {
            text += "\n";
        }
        blanks = 0;
        text += line + "\n";
    }
    return text;
}

std::string DataSheetText(const SDataSheet& sheet) {
    std::string text;
    for (const CSheetPage& page : sheet.pages) {
        if (!text.empty()) {
            text += "\n";
        }
        text += DataSheetPageText(page);
    }
    return text;
}
