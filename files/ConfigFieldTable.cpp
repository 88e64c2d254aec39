// The field table of the text forms: where each value of a settings file goes, its name and what it takes.
// Sections follow the pages: the channel page's radio-wide options, the System/GPS page's groups and the
// Modem page's groups; values no page shows go to "carried".

#include <climits>

#include "ConfigFields.h"
#include "TextMark.h"

namespace {

using D = CDataRadioDoc;
using C = CChannelData;

SFieldDef Of(EValueKind kind, const char* section, const char* key, const char* label, CFieldMember member) {
    SFieldDef f;
    f.strSection = section;
    f.strKey = key;
    f.strLabel = label;
    f.eKind = kind;
    f.member = member;
    return f;
}

SFieldDef Flag(const char* section, const char* key, const char* label, CFieldMember member) {
    return Of(EValueKind::Flag, section, key, label, member);
}

SFieldDef Range(const char* section, const char* key, const char* label, CFieldMember member, int32_t min,
                int32_t max, int32_t step, const char* unit, bool zeroOk = false) {
    SFieldDef f = Of(EValueKind::Int, section, key, label, member);
    f.nMin = min;
    f.nMax = max;
    f.nStep = step;
    f.strUnit = unit;
    f.bZeroOk = zeroOk;
    return f;
}

SFieldDef Listed(const char* section, const char* key, const char* label, CFieldMember member, int32_t first,
                 int32_t step, int32_t count, const char* unit) {
    SFieldDef f = Of(EValueKind::Indexed, section, key, label, member);
    f.nMin = first;
    f.nStep = step;
    f.nCount = count;
    f.strUnit = unit;
    return f;
}

SFieldDef Named(const char* section, const char* key, const char* label, CFieldMember member,
                std::vector<const char*> names, int32_t first = 0) {
    SFieldDef f = Of(EValueKind::Names, section, key, label, member);
    f.nMin = first;
    f.names = std::move(names);
    return f;
}

// A value shown in its place only while what it belongs to is chosen (a channel's signalling, a modem).
SFieldDef Signalling(SFieldDef f, const char* carried, EShown shown) {
    f.strCarried = carried;
    f.eShown = shown;
    return f;
}

SFieldDef Carried(SFieldDef f) {
    f.eShown = EShown::Never;
    return f;
}

constexpr int32_t kAnyMin = INT32_MIN;
constexpr int32_t kAnyMax = INT32_MAX;

}  // namespace

const std::vector<SFieldDef>& RadioFields() {
    static const std::vector<SFieldDef> fields = {
        Of(EValueKind::Model, "", "model", KV310_TEXT("Fields", "model"), &D::m_nModel),
        Of(EValueKind::SubBand, "", "sub_band", KV310_TEXT("Fields", "sub-band"), &D::m_nSubBand),

        Flag("channel_page", "time_out_timer", KV310_TEXT("Fields", "time-out timer"), &D::m_bTxTimeOut),
        Range("channel_page", "time_out_s", KV310_TEXT("Fields", "time-out"), &D::m_nTxTimeOut, 10, 990, 10,
              "s", true),
        Flag("channel_page", "hang_timer", KV310_TEXT("Fields", "hang timer"), &D::m_bHangOn),
        Range("channel_page", "hang_time_ms", KV310_TEXT("Fields", "hang time"), &D::m_nHangOnTime, 180, 2000,
              10, "ms", true),
        Flag("channel_page", "busy_channel_lockout", KV310_TEXT("Fields", "busy channel lockout"),
             &D::m_bBusyLockout),
        Flag("channel_page", "tx_matched_sat", KV310_TEXT("Fields", "tx matched SAT"), &D::m_bTxMatchedSat),
        Flag("channel_page", "tx_delay", KV310_TEXT("Fields", "tx delay"), &D::m_bTxDelay),
        Flag("channel_page", "power_save", KV310_TEXT("Fields", "power save"), &D::m_bPowerSave),
        Listed("channel_page", "power_save_delay_s", KV310_TEXT("Fields", "power save delay"),
               &D::m_nPowerSaveDelay, 1, 1, 5, "s"),
        Range("channel_page", "rx_off_time_ms", KV310_TEXT("Fields", "power save rx off time"),
              &D::m_nPowerSaveOnTime, 20, 400, 10, "ms"),
        Range("channel_page", "rx_on_time_ms", KV310_TEXT("Fields", "power save rx on time"),
              &D::m_nPowerSaveOffTime, 30, 270, 20, "ms"),

        Flag("system.rx", "squelch", KV310_TEXT("Fields", "squelch"), &D::m_bSquelch),
        Named("system.rx", "squelch_type", KV310_TEXT("Fields", "squelch type"), &D::m_nSquelchType,
              {KV310_TEXT("Fields", "rssi"), KV310_TEXT("Fields", "busy-port")}),
        Flag("system.tx", "hang_on_beep", KV310_TEXT("Fields", "hang-on beep"), &D::m_bHangOnBeep),
        Flag("system.tx", "tx_tone_for_data", KV310_TEXT("Fields", "tx tone for data"), &D::m_bTxToneForData),
        Flag("system.tx", "external_modulation", KV310_TEXT("Fields", "external modulation"),
             &D::m_bExternalModulation),
        Listed("system.scan", "delay_s", KV310_TEXT("Fields", "scan delay"), &D::m_nScanDelay, 1, 1, 15, "s"),
        Range("system.scan", "speed_ms", KV310_TEXT("Fields", "scan speed"), &D::m_nScanSpeed, 50, 2000, 10,
              "ms"),
        Flag("system.gps", "enabled", KV310_TEXT("Fields", "gps"), &D::m_bGps),
        Listed("system.gps", "cycle_h", KV310_TEXT("Fields", "gps cycle"), &D::m_nGpsCycle, 1, 1, 24, "h"),
        Range("system.gps", "tx_time_s", KV310_TEXT("Fields", "gps tx time"), &D::m_nGpsTxTime, 1, 10, 1,
              "s"),
        Range("system.gps", "delay_s", KV310_TEXT("Fields", "gps delay"), &D::m_nGpsDelay, 50, 300, 10, "s"),

        Flag("modem.select", "gmsk", KV310_TEXT("Fields", "gmsk"), &D::m_bModemGmsk),
        Flag("modem.select", "ffsk", KV310_TEXT("Fields", "ffsk"), &D::m_bModemFfsk),
        Flag("modem.select", "afsk", KV310_TEXT("Fields", "afsk"), &D::m_bModemAfsk),
        Flag("modem.select", "enabled", KV310_TEXT("Fields", "modem"), &D::m_bModem),
        Named("modem.select", "afsk_variant", KV310_TEXT("Fields", "afsk variant"), &D::m_bAfskBell202,
              {KV310_TEXT("Fields", "v23"), KV310_TEXT("Fields", "bell-202")}),
        Signalling(Of(EValueKind::SBandBaud, "modem.select", "s_band_bps",
                      KV310_TEXT("Fields", "s-band baud"), &D::m_nSBandBaud),
                   "s_band_baud_index", EShown::ModemType),
        Signalling(Of(EValueKind::NBandBaud, "modem.select", "n_band_bps",
                      KV310_TEXT("Fields", "n-band baud"), &D::m_nNBandBaud),
                   "n_band_baud_index", EShown::ModemType),
        Flag("modem.framing", "base_block", KV310_TEXT("Fields", "base block"), &D::m_bBaseBlock),
        Named(
            "modem.framing", "base_block_bytes", KV310_TEXT("Fields", "base block size"),
            &D::m_nBaseBlockSize,
            {KV310_TEXT("Fields", "none"), "32", "64", "128", "256", "512", "1024", "2048", "4096", "8192"}),
        Listed("modem.framing", "preamble_bits", KV310_TEXT("Fields", "preamble size"), &D::m_nPreambleSize,
               16, 8, 16, "bits"),
        Listed("modem.framing", "wait_busy_ms", KV310_TEXT("Fields", "wait for busy time"),
               &D::m_nWaitBusyTime, 100, 100, 16, "ms"),
        Named("modem.framing", "flow_control", KV310_TEXT("Fields", "flow control"), &D::m_nFlowControl,
              {KV310_TEXT("Fields", "none"), KV310_TEXT("Fields", "xon/xoff"),
               KV310_TEXT("Fields", "rts/cts")}),
        Listed("modem.framing", "tx_delay_1_ms", KV310_TEXT("Fields", "tx delay 1"), &D::m_nTxDelayTime1, 5,
               5, 16, "ms"),
        Listed("modem.framing", "tx_delay_2_ms", KV310_TEXT("Fields", "tx delay 2"), &D::m_nTxDelayTime2, 200,
               50, 6, "ms"),
        Listed("modem.framing", "start_bit_errors", KV310_TEXT("Fields", "start bit errors"),
               &D::m_nStartBitErrors, 0, 1, 4, ""),
        Named("modem.operation", "mode", KV310_TEXT("Fields", "modem mode"), &D::m_nModemMode,
              {KV310_TEXT("Fields", "dumb"), KV310_TEXT("Fields", "auto")}, 1),
        Flag("modem.operation", "tx_forcing", KV310_TEXT("Fields", "tx forcing"), &D::m_bTxForcing),
        Flag("modem.operation", "init_data_for_ht", KV310_TEXT("Fields", "init data for HT"),
             &D::m_bInitDataForHt),
        Range("modem.delays", "tx_off_ms", KV310_TEXT("Fields", "tx off delay"), &D::m_nTxOffDelay, 0, 16, 2,
              "ms"),
        Range("modem.delays", "tx_on_ms", KV310_TEXT("Fields", "tx on delay"), &D::m_nTxOnTime, 0, 254, 2,
              "ms"),
        Range("modem.delays", "rx_on_ms", KV310_TEXT("Fields", "rx on delay"), &D::m_nRxOnDelay, 0, 126, 2,
              "ms"),

        Carried(Flag("carried", "test_mode", KV310_TEXT("Fields", "modem test mode"), &D::m_bTestMode)),
        Carried(Listed("carried", "byte_option", KV310_TEXT("Fields", "byte option"), &D::m_nByteOption, 2, 2,
                       10, "bytes")),
        Carried(Range("carried", "scan_mode", KV310_TEXT("Fields", "calibration scan mode"), &D::m_nScanMode,
                      kAnyMin, kAnyMax, 1, "")),
        Carried(Of(EValueKind::Real, "carried", "last_ctcss_hz", KV310_TEXT("Fields", "last ctcss looked up"),
                   &D::m_dLastCtcss)),
        Carried(Range("carried", "last_dcs", KV310_TEXT("Fields", "last dcs looked up"), &D::m_nLastDcs,
                      kAnyMin, kAnyMax, 1, "")),
        Carried(Of(EValueKind::Real, "carried", "reserved_1", KV310_TEXT("Fields", "reserved 1"),
                   &D::m_dReserved1)),
        Carried(Of(EValueKind::Real, "carried", "reserved_2", KV310_TEXT("Fields", "reserved 2"),
                   &D::m_dReserved2)),
        Carried(Range("carried", "reserved_int_2", KV310_TEXT("Fields", "reserved int 2"), &D::m_nReserved2,
                      kAnyMin, kAnyMax, 1, "")),
        Carried(Range("carried", "reserved_int_3", KV310_TEXT("Fields", "reserved int 3"), &D::m_nReserved3,
                      kAnyMin, kAnyMax, 1, "")),
        Carried(Range("carried", "service_byte_12", KV310_TEXT("Fields", "service byte 12"), SServiceByte{12},
                      0, 255, 1, "")),
        Carried(Range("carried", "service_byte_13", KV310_TEXT("Fields", "service byte 13"), SServiceByte{13},
                      0, 255, 1, "")),
    };
    return fields;
}

const std::vector<SFieldDef>& ChannelFields() {
    static const std::vector<SFieldDef> fields = [] {
        SFieldDef rx = Of(EValueKind::Mhz, "", "rx_mhz", KV310_TEXT("Fields", "rx"), &C::m_dRxFreq);
        SFieldDef tx = Of(EValueKind::Mhz, "", "tx_mhz", KV310_TEXT("Fields", "tx"), &C::m_dTxFreq);
        rx.strUnit = tx.strUnit = "MHz";
        SFieldDef step =
            Named("", "step_khz", KV310_TEXT("Fields", "step"), &C::m_nStep, {"7.5", "6.25", "5", "2.5"});
        step.strUnit = "kHz";
        SFieldDef toneA = Range("rx_signalling", "tone_a_hz", KV310_TEXT("Fields", "two-tone A frequency"),
                                &C::m_dToneAFreq, 300, 3000, 1, "Hz");
        SFieldDef toneB = toneA;
        toneB.strKey = "tone_b_hz";
        toneB.strLabel = KV310_TEXT("Fields", "two-tone B frequency");
        toneB.member = &C::m_dToneBFreq;
        SFieldDef lengthA = Range("rx_signalling", "tone_a_ms", KV310_TEXT("Fields", "two-tone A duration"),
                                  &C::m_dToneADuration, 100, 10000, 1, "ms");
        SFieldDef lengthB = lengthA;
        lengthB.strKey = "tone_b_ms";
        lengthB.strLabel = KV310_TEXT("Fields", "two-tone B duration");
        lengthB.member = &C::m_dToneBDuration;
        for (SFieldDef* f : {&toneA, &toneB, &lengthA, &lengthB}) {
            f->eKind = EValueKind::Real;
        }
        return std::vector<SFieldDef>{
            rx,
            tx,
            step,
            Named("", "width", KV310_TEXT("Fields", "width"), &C::m_bWide,
                  {KV310_TEXT("Fields", "narrow"), KV310_TEXT("Fields", "wide")}),
            Named("", "power", KV310_TEXT("Fields", "power"), &C::m_bHighPower,
                  {KV310_TEXT("Fields", "low"), KV310_TEXT("Fields", "high")}),
            Flag("", "scan", KV310_TEXT("Fields", "scan"), &C::m_bScan),
            Named("rx_signalling", "type", KV310_TEXT("Fields", "rx signalling"), &C::m_nRxOption,
                  {KV310_TEXT("Fields", "none"), KV310_TEXT("Fields", "ctcss"), KV310_TEXT("Fields", "dcs"),
                   KV310_TEXT("Fields", "two-tone")}),
            Signalling(Of(EValueKind::Ctcss, "rx_signalling", "tone_hz", KV310_TEXT("Fields", "rx ctcss"),
                          &C::m_dRxCtcss),
                       "rx_tone_hz", EShown::RxCtcss),
            Signalling(
                Of(EValueKind::Dcs, "rx_signalling", "code", KV310_TEXT("Fields", "rx dcs"), &C::m_nRxDcs),
                "rx_code", EShown::RxDcs),
            Signalling(
                Named("rx_signalling", "group", KV310_TEXT("Fields", "two-tone group"), &C::m_nTwoToneGroup,
                      {KV310_TEXT("Fields", "tone-a"), KV310_TEXT("Fields", "tone-b"),
                       KV310_TEXT("Fields", "both")}),
                "two_tone_group", EShown::RxTwoTone),
            Signalling(toneA, "tone_a_hz", EShown::RxTwoTone),
            Signalling(lengthA, "tone_a_ms", EShown::RxTwoTone),
            Signalling(toneB, "tone_b_hz", EShown::RxTwoTone),
            Signalling(lengthB, "tone_b_ms", EShown::RxTwoTone),
            Named("tx_signalling", "type", KV310_TEXT("Fields", "tx signalling"), &C::m_nTxOption,
                  {KV310_TEXT("Fields", "none"), KV310_TEXT("Fields", "ctcss"), KV310_TEXT("Fields", "dcs")}),
            Signalling(Of(EValueKind::Ctcss, "tx_signalling", "tone_hz", KV310_TEXT("Fields", "tx ctcss"),
                          &C::m_dTxCtcss),
                       "tx_tone_hz", EShown::TxCtcss),
            Signalling(
                Of(EValueKind::Dcs, "tx_signalling", "code", KV310_TEXT("Fields", "tx dcs"), &C::m_nTxDcs),
                "tx_code", EShown::TxDcs),
        };
    }();
    return fields;
}
