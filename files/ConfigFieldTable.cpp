// The field table of the text forms: where each value of a settings file goes, its name and what it takes.
// Sections follow the pages: the channel page's radio-wide options, the System/GPS page's groups and the
// Modem page's groups; values no page shows go to "carried".

#include <climits>

#include "ConfigFields.h"

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
        Of(EValueKind::Model, "", "model", "model", &D::m_nModel),
        Of(EValueKind::SubBand, "", "sub_band", "sub-band", &D::m_nSubBand),

        Flag("channel_page", "time_out_timer", "time-out timer", &D::m_bTxTimeOut),
        Range("channel_page", "time_out_s", "time-out", &D::m_nTxTimeOut, 10, 990, 10, "s", true),
        Flag("channel_page", "hang_timer", "hang timer", &D::m_bHangOn),
        Range("channel_page", "hang_time_ms", "hang time", &D::m_nHangOnTime, 180, 2000, 10, "ms", true),
        Flag("channel_page", "busy_channel_lockout", "busy channel lockout", &D::m_bBusyLockout),
        Flag("channel_page", "tx_matched_sat", "tx matched SAT", &D::m_bTxMatchedSat),
        Flag("channel_page", "tx_delay", "tx delay", &D::m_bTxDelay),
        Flag("channel_page", "power_save", "power save", &D::m_bPowerSave),
        Listed("channel_page", "power_save_delay_s", "power save delay", &D::m_nPowerSaveDelay, 1, 1, 5, "s"),
        Range("channel_page", "rx_off_time_ms", "power save rx off time", &D::m_nPowerSaveOnTime, 20, 400, 10,
              "ms"),
        Range("channel_page", "rx_on_time_ms", "power save rx on time", &D::m_nPowerSaveOffTime, 30, 270, 20,
              "ms"),

        Flag("system.rx", "squelch", "squelch", &D::m_bSquelch),
        Named("system.rx", "squelch_type", "squelch type", &D::m_nSquelchType, {"rssi", "busy-port"}),
        Flag("system.tx", "hang_on_beep", "hang-on beep", &D::m_bHangOnBeep),
        Flag("system.tx", "tx_tone_for_data", "tx tone for data", &D::m_bTxToneForData),
        Flag("system.tx", "external_modulation", "external modulation", &D::m_bExternalModulation),
        Listed("system.scan", "delay_s", "scan delay", &D::m_nScanDelay, 1, 1, 15, "s"),
        Range("system.scan", "speed_ms", "scan speed", &D::m_nScanSpeed, 50, 2000, 10, "ms"),
        Flag("system.gps", "enabled", "gps", &D::m_bGps),
        Listed("system.gps", "cycle_h", "gps cycle", &D::m_nGpsCycle, 1, 1, 24, "h"),
        Range("system.gps", "tx_time_s", "gps tx time", &D::m_nGpsTxTime, 1, 10, 1, "s"),
        Range("system.gps", "delay_s", "gps delay", &D::m_nGpsDelay, 50, 300, 10, "s"),

        Flag("modem.select", "gmsk", "gmsk", &D::m_bModemGmsk),
        Flag("modem.select", "ffsk", "ffsk", &D::m_bModemFfsk),
        Flag("modem.select", "afsk", "afsk", &D::m_bModemAfsk),
        Flag("modem.select", "enabled", "modem", &D::m_bModem),
        Named("modem.select", "afsk_variant", "afsk variant", &D::m_bAfskBell202, {"v23", "bell-202"}),
        Signalling(Of(EValueKind::SBandBaud, "modem.select", "s_band_bps", "s-band baud", &D::m_nSBandBaud),
                   "s_band_baud_index", EShown::ModemType),
        Signalling(Of(EValueKind::NBandBaud, "modem.select", "n_band_bps", "n-band baud", &D::m_nNBandBaud),
                   "n_band_baud_index", EShown::ModemType),
        Flag("modem.framing", "base_block", "base block", &D::m_bBaseBlock),
        Named("modem.framing", "base_block_bytes", "base block size", &D::m_nBaseBlockSize,
              {"none", "32", "64", "128", "256", "512", "1024", "2048", "4096", "8192"}),
        Listed("modem.framing", "preamble_bits", "preamble size", &D::m_nPreambleSize, 16, 8, 16, "bits"),
        Listed("modem.framing", "wait_busy_ms", "wait for busy time", &D::m_nWaitBusyTime, 100, 100, 16,
               "ms"),
        Named("modem.framing", "flow_control", "flow control", &D::m_nFlowControl,
              {"none", "xon/xoff", "rts/cts"}),
        Listed("modem.framing", "tx_delay_1_ms", "tx delay 1", &D::m_nTxDelayTime1, 5, 5, 16, "ms"),
        Listed("modem.framing", "tx_delay_2_ms", "tx delay 2", &D::m_nTxDelayTime2, 200, 50, 6, "ms"),
        Listed("modem.framing", "start_bit_errors", "start bit errors", &D::m_nStartBitErrors, 0, 1, 4, ""),
        Named("modem.operation", "mode", "modem mode", &D::m_nModemMode, {"dumb", "auto"}, 1),
        Flag("modem.operation", "tx_forcing", "tx forcing", &D::m_bTxForcing),
        Flag("modem.operation", "init_data_for_ht", "init data for HT", &D::m_bInitDataForHt),
        Range("modem.delays", "tx_off_ms", "tx off delay", &D::m_nTxOffDelay, 0, 16, 2, "ms"),
        Range("modem.delays", "tx_on_ms", "tx on delay", &D::m_nTxOnTime, 0, 254, 2, "ms"),
        Range("modem.delays", "rx_on_ms", "rx on delay", &D::m_nRxOnDelay, 0, 126, 2, "ms"),

        Carried(Flag("carried", "test_mode", "modem test mode", &D::m_bTestMode)),
        Carried(Listed("carried", "byte_option", "byte option", &D::m_nByteOption, 2, 2, 10, "bytes")),
        Carried(
            Range("carried", "scan_mode", "calibration scan mode", &D::m_nScanMode, kAnyMin, kAnyMax, 1, "")),
        Carried(Of(EValueKind::Real, "carried", "last_ctcss_hz", "last ctcss looked up", &D::m_dLastCtcss)),
        Carried(Range("carried", "last_dcs", "last dcs looked up", &D::m_nLastDcs, kAnyMin, kAnyMax, 1, "")),
        Carried(Of(EValueKind::Real, "carried", "reserved_1", "reserved 1", &D::m_dReserved1)),
        Carried(Of(EValueKind::Real, "carried", "reserved_2", "reserved 2", &D::m_dReserved2)),
        Carried(
            Range("carried", "reserved_int_2", "reserved int 2", &D::m_nReserved2, kAnyMin, kAnyMax, 1, "")),
        Carried(
            Range("carried", "reserved_int_3", "reserved int 3", &D::m_nReserved3, kAnyMin, kAnyMax, 1, "")),
        Carried(Range("carried", "service_byte_12", "service byte 12", SServiceByte{12}, 0, 255, 1, "")),
        Carried(Range("carried", "service_byte_13", "service byte 13", SServiceByte{13}, 0, 255, 1, "")),
    };
    return fields;
}

const std::vector<SFieldDef>& ChannelFields() {
    static const std::vector<SFieldDef> fields = [] {
        SFieldDef rx = Of(EValueKind::Mhz, "", "rx_mhz", "rx", &C::m_dRxFreq);
        SFieldDef tx = Of(EValueKind::Mhz, "", "tx_mhz", "tx", &C::m_dTxFreq);
        rx.strUnit = tx.strUnit = "MHz";
        SFieldDef step = Named("", "step_khz", "step", &C::m_nStep, {"7.5", "6.25", "5", "2.5"});
        step.strUnit = "kHz";
        SFieldDef toneA =
            Range("rx_signalling", "tone_a_hz", "two-tone A frequency", &C::m_dToneAFreq, 300, 3000, 1, "Hz");
        SFieldDef toneB = toneA;
        toneB.strKey = "tone_b_hz";
        toneB.strLabel = "two-tone B frequency";
        toneB.member = &C::m_dToneBFreq;
        SFieldDef lengthA = Range("rx_signalling", "tone_a_ms", "two-tone A duration", &C::m_dToneADuration,
                                  100, 10000, 1, "ms");
        SFieldDef lengthB = lengthA;
        lengthB.strKey = "tone_b_ms";
        lengthB.strLabel = "two-tone B duration";
        lengthB.member = &C::m_dToneBDuration;
        for (SFieldDef* f : {&toneA, &toneB, &lengthA, &lengthB}) {
            f->eKind = EValueKind::Real;
        }
        return std::vector<SFieldDef>{
            rx,
            tx,
            step,
            Named("", "width", "width", &C::m_bWide, {"narrow", "wide"}),
            Named("", "power", "power", &C::m_bHighPower, {"low", "high"}),
            Flag("", "scan", "scan", &C::m_bScan),
            Named("rx_signalling", "type", "rx signalling", &C::m_nRxOption,
                  {"none", "ctcss", "dcs", "two-tone"}),
            Signalling(Of(EValueKind::Ctcss, "rx_signalling", "tone_hz", "rx ctcss", &C::m_dRxCtcss),
                       "rx_tone_hz", EShown::RxCtcss),
            Signalling(Of(EValueKind::Dcs, "rx_signalling", "code", "rx dcs", &C::m_nRxDcs), "rx_code",
                       EShown::RxDcs),
            Signalling(Named("rx_signalling", "group", "two-tone group", &C::m_nTwoToneGroup,
                             {"tone-a", "tone-b", "both"}),
                       "two_tone_group", EShown::RxTwoTone),
            Signalling(toneA, "tone_a_hz", EShown::RxTwoTone),
            Signalling(lengthA, "tone_a_ms", EShown::RxTwoTone),
            Signalling(toneB, "tone_b_hz", EShown::RxTwoTone),
            Signalling(lengthB, "tone_b_ms", EShown::RxTwoTone),
            Named("tx_signalling", "type", "tx signalling", &C::m_nTxOption, {"none", "ctcss", "dcs"}),
            Signalling(Of(EValueKind::Ctcss, "tx_signalling", "tone_hz", "tx ctcss", &C::m_dTxCtcss),
                       "tx_tone_hz", EShown::TxCtcss),
            Signalling(Of(EValueKind::Dcs, "tx_signalling", "code", "tx dcs", &C::m_nTxDcs), "tx_code",
                       EShown::TxDcs),
        };
    }();
    return fields;
}
