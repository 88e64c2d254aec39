#include "DataSheet.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "Format.h"

namespace {

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
    page.push_back({3400, 600, "===== PC PROGRAMMER DATA SHEET ====="});
    page.push_back({400, 900, "* MODEL"});
    page.push_back({1300, 900, titled ? StrPrintf(": %s", doc.CurrentBand().m_strTitle.c_str()) : ""});
    page.push_back({500, 1400, "## CHANNEL DATA ##"});
    page.push_back({kRuleX, 1700, rule});
    page.push_back({kRuleX, 2100, rule});

    const SColumns& c = IsOlderLayout(doc) ? kOlderColumns : kColumns;
    constexpr int32_t y = 1900;
    page.push_back({300, y, "CH"});
    page.push_back({700, y, "RX_FREQ(MHz)"});
    page.push_back({c.rxOptionHead, y, "RX_OPTION"});
    page.push_back({c.txFreqHead, y, "TX_FREQ(MHz)"});
    page.push_back({c.txOptionHead, y, "TX_OPTION"});
    page.push_back({c.scanHead, y, "SCAN"});
    page.push_back({c.widthHead, y, "WIDTH"});
    page.push_back({c.powerHead, y, "POWER"});
    page.push_back({c.hangOnHead, y, "HANG-ON"});
}

// A signalling cell of the current layout: the tone or code above its kind; "NO" when there is none;
// nothing for two-tone. x is the column's tone position (2400 receive, 5400 transmit).
void AddOptionCell(int option, double ctcss, int32_t dcs, int32_t x, int32_t y, CSheetPage& page) {
    if (option == kSigNone) {
        page.push_back({x + 200, y, "NO"});
    } else if (option == kSigCtcss) {
        page.push_back({x, y - 115, StrPrintf("%5.1f", ctcss)});
        page.push_back({x - 100, y + 115, "(CTCSS)"});
    } else if (option == kSigDcs) {
        page.push_back({x, y - 115, StrPrintf("%03d", dcs)});
        page.push_back({x - 100, y + 115, "(DCS)"});
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
    page.push_back({6700, y, channel.m_bScan != 0 ? "ON" : "OFF"});
    page.push_back({7500, y, channel.m_bWide != 0 ? " WIDE" : "NARROW"});
    page.push_back({8500, y, channel.m_bHighPower != 0 ? "HIGH" : "LOW"});
    page.push_back({9400, y, doc.m_nHangOnTime == 0 ? "  -" : StrPrintf("%d", doc.m_nHangOnTime)});
}

// The older layout's one-line signalling cell.
void AddOlderOptionCell(int option, double ctcss, int32_t dcs, int32_t x, int32_t y, CSheetPage& page) {
    if (option == kSigNone) {
        page.push_back({x + 300, y, "NO"});
    } else if (option == kSigCtcss) {
        page.push_back({x, y, StrPrintf("%0.1f (CTCSS)", ctcss)});
    } else if (option == kSigDcs) {
        page.push_back({x, y, StrPrintf("%03d (DCS)", dcs)});
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
    page.push_back({8000, y, channel.m_bScan != 0 ? "S" : "OFF"});
    page.push_back({8100, y, channel.m_bWide != 0 ? "Wide" : "Narrow"});
    page.push_back({9100, y, channel.m_bHighPower != 0 ? "High" : "Low"});
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
    {4000, 900, "====  OPTION DATA  ===="},
    {700, 1700, "### RX OPTION ###"},
    {500, 2300, "1. POWER SAVE MODE"},
    {500, 2600, "2. DELAY TIME"},
    {500, 2900, "3. POWER SAVE ON TIME"},
    {500, 3200, "4. POWER SAVE OFF TIME"},
    {5600, 1700, "### TX OPTION ###"},
    {5400, 2000, "1. TX TIME OUT TIME"},
    {5400, 2300, "2. BEEP WHEN HANG ON TIME"},
    {5400, 2600, "3. TX TONE GENERATION"},
    {5700, 2900, "FOR DATA INPUT"},
    {5400, 3200, "4. BUSY CHANNEL LOCKOUT"},
    {5400, 3500, "5. ENABLES TX MATCHED SAT"},
    {5400, 3800, "6. TX DELAY"},
    {700, 4700, "### SCAN OPTION ###"},
    {500, 5000, "1. SCAN DELAY TIME"},
    {500, 5300, "2. SCAN SPEED TIME"},
    {5600, 4700, "### GPS OPTION ###"},
    {5400, 5000, "1. GPS"},
    {5400, 5300, "2. TRASMISSION CYCLE"},
    {5400, 5600, "3. DATA TRANSMISSION TIME"},
    {5400, 5900, "4. DATA DELAY TIME"},
    {700, 6500, "### MODEM OPTION ###"},
    {500, 7100, "1. MODEM"},
    {500, 7400, "2. MODEM BAUD RATE"},
    {800, 7700, "2.1 S BAND"},
    {800, 8000, "2.2 N BAND"},
    {5600, 6500, "### SYSTEM OPTION 2 ###"},
    {5400, 6800, "1. BASE BLOCK SIZE 1"},
    {5400, 7100, "2. PREAMBLE DATA SIZE"},
    {5400, 7400, "3. WAIT FOR BUSY TIME"},
    {5400, 7700, "4. FLOW CONTROL"},
    {5400, 8000, "5. TX DELAY TIME 1"},
    {5400, 8300, "6. TX DELAY TIME 2(TONE ONLY)"},
    {5400, 8600, "7. NUMBER OF ALLOWABLE ERRORS"},
    {5700, 8900, "FOR START BIT"},
    {700, 9500, "### SYSTEM OPTION 1 ###"},
    {500, 9800, "1. MODE"},
    {500, 10100, "2. TX FORCING MODE"},
    {500, 10400, "3. INITIALIZING DATA FOR HT"},
    {5600, 9500, "### SYSTEM OPTION 3 ###"},
    {5400, 9800, "1. TX OFF DELAY"},
    {5400, 10100, "2. TX ON TIME"},
    {5400, 10400, "3. RX ON DELAY"},
};

const char* OnOff(int32_t flag) {
    return flag != 0 ? ": ON" : ": OFF";
}

const char* EnableDisable(int32_t flag) {
    return flag != 0 ? ": Enable" : ": Disable";
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
    const char* squelch = doc.m_bSquelch == 0       ? "** Squelch Disabled **"
                          : doc.m_nSquelchType == 0 ? "** Rssi Level Check **"
                                                    : "** Busy Port Check **";
    page.push_back({500, 2000, squelch});
    const bool saving = doc.m_bPowerSave != 0;
    page.push_back({kLeftValueX, 2300, saving ? ": ON" : ": OFF"});
    page.push_back(
        {kLeftValueX, 2600, saving ? StrPrintf(": %lld Sec", doc.m_nPowerSaveDelay + 1LL) : ": -"});
    page.push_back({kLeftValueX, 2900, saving ? StrPrintf(": %d ms", doc.m_nPowerSaveOnTime) : ": -"});
    page.push_back({kLeftValueX, 3200, saving ? StrPrintf(": %d ms", doc.m_nPowerSaveOffTime) : ": -"});

    page.push_back({kRightValueX, 2000, StrPrintf(": %d Sec", doc.m_nTxTimeOut)});
    page.push_back({kRightValueX, 2300, OnOff(doc.m_bHangOnBeep)});
    page.push_back({kRightValueX, 2750, EnableDisable(doc.m_bTxToneForData)});
    page.push_back({kRightValueX, 3200, OnOff(doc.m_bBusyLockout)});
    page.push_back({kRightValueX, 3500, doc.m_bBusyLockout == 0 ? ": OFF" : OnOff(doc.m_bTxMatchedSat)});
    page.push_back({kRightValueX, 3800, OnOff(doc.m_bTxDelay)});
}

void AddScanGpsValues(const CDataRadioDoc& doc, CSheetPage& page) {
    page.push_back({kLeftValueX, 5000, StrPrintf(": %lld Sec", doc.m_nScanDelay + 1LL)});
    page.push_back({kLeftValueX, 5300, StrPrintf(": %d ms", doc.m_nScanSpeed)});
    const bool gps = doc.m_bGps != 0;
    page.push_back({kRightValueX, 5000, gps ? ": Enable" : ": Disable"});
    page.push_back({kRightValueX, 5300, gps ? StrPrintf(": %lld Hour", doc.m_nGpsCycle + 1LL) : ": -"});
    page.push_back({kRightValueX, 5600, gps ? StrPrintf(": %d Sec", doc.m_nGpsTxTime) : ": -"});
    page.push_back({kRightValueX, 5900, gps ? StrPrintf(": %d Sec", doc.m_nGpsDelay) : ": -"});
}

void AddModemValues(const CDataRadioDoc& doc, CSheetPage& page) {
    std::string type = "Modem is not selected";
    if (doc.m_bModemGmsk != 0) {
        type = "** GMSK **";
    } else if (doc.m_bModemFfsk != 0) {
        type = "** FFSK **";
    } else if (doc.m_bModemAfsk != 0) {
        type = doc.m_bAfskBell202 != 0 ? "** AFSK  BELL202 Mode **" : "** AFSK  V23 Mode **";
    }
    page.push_back({500, 6800, type});
    page.push_back({kLeftValueX, 7100, doc.m_bModem != 0 ? ": Enable" : ": Disable"});

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
    page.push_back({kRightValueX, 6800,
                    Pick({": NONE", ": 32 BYTE", ": 64 BYTE", ": 128 BYTE", ": 256 BYTE", ": 512 BYTE",
                          ": 1024 BYTE", ": 2048 BYTE", ": 4096 BYTE", ": 8192 BYTE"},
                         doc.m_nBaseBlockSize)});
    const bool preambleKnown = doc.m_nPreambleSize >= 0 && doc.m_nPreambleSize <= 15;
    page.push_back(
        {kRightValueX, 7100, preambleKnown ? StrPrintf(": %d BIT", 16 + 8 * doc.m_nPreambleSize) : ""});
    std::string waitBusy = ": -";
    if (!IsKv310(doc)) {
        const bool known = doc.m_nWaitBusyTime >= 0 && doc.m_nWaitBusyTime <= 15;
        waitBusy = known ? StrPrintf(": %d ms", (doc.m_nWaitBusyTime + 1) * 100) : "";
    }
    page.push_back({kRightValueX, 7400, waitBusy});
    page.push_back({kRightValueX, 7700, Pick({": NONE", ": Xon / Xoff", ": RTS / CTS"}, doc.m_nFlowControl)});
    // sic: from 50 ms on the sheet has no blank before "ms"
    const std::string delay1 =
        Pick({": 5 ms", ": 10 ms", ": 15 ms", ": 20 ms", ": 25 ms", ": 30 ms", ": 35 ms", ": 40 ms",
              ": 45 ms", ": 50ms", ": 55ms", ": 60ms", ": 65ms", ": 70ms", ": 75ms", ": 80ms"},
             doc.m_nTxDelayTime1);
    page.push_back({kRightValueX, 8000, IsKv310(doc) ? ": -" : delay1});
    const std::string delay2 =
        Pick({": 200 ms", ": 250 ms", ": 300 ms", ": 350 ms", ": 400 ms", ": 450 ms"}, doc.m_nTxDelayTime2);
    page.push_back({kRightValueX, 8300, IsKv310(doc) || doc.m_bModemGmsk != 0 ? ": -" : delay2});
    page.push_back(
        {kRightValueX, 8750, Pick({": 0 BIT", ": 1 BIT", ": 2 BIT", ": 3 BIT"}, doc.m_nStartBitErrors)});

    const char* mode = doc.m_bTestMode != 0    ? "Test Mode Enable"
                       : doc.m_nModemMode == 2 ? ": Auto Mode"
                                               : ": Dumb Mode";
    page.push_back({kLeftValueX, 9800, mode});
    page.push_back({kLeftValueX, 10100, EnableDisable(doc.m_bTxForcing)});
    page.push_back({kLeftValueX, 10400, EnableDisable(doc.m_bInitDataForHt)});
    page.push_back({kRightValueX, 9800, StrPrintf(": %d ms", doc.m_nTxOffDelay)});
    page.push_back({kRightValueX, 10100, StrPrintf(": %d ms", doc.m_nTxOnTime)});
    page.push_back({kRightValueX, 10400, StrPrintf(": %d ms", doc.m_nRxOnDelay)});
}

CSheetPage BuildOptionPage(const CDataRadioDoc& doc) {
    CSheetPage page(std::begin(kOptionLabels), std::end(kOptionLabels));
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
    sheet.strJobName = doc.CurrentBand().m_strTitle + " DATA SHEET";
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
