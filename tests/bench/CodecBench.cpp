// How long the EEPROM codec and the data-sheet layout take for a full configuration: all 16 channels
// programmed, with every kind of signalling and two-tone coefficients to compute.

#include <benchmark/benchmark.h>

#include "DataSheet.h"
#include "EepromImage.h"

namespace {

CDataRadioDoc FullRecord() {
    CDataRadioDoc doc;
    doc.m_nModel = kModelKv330Uhf;
    doc.ResetToDefaults();
    doc.m_nSubBand = 1;
    for (int i = 0; i < kChannels; ++i) {
        CChannelData& channel = doc.m_Channel[i];
        channel.m_dRxFreq = 450.0 + 0.025 * i;
        channel.m_dTxFreq = 460.0 + 0.025 * i;
        channel.m_nStep = kStep6250;
        channel.m_bScan = i % 2;
        channel.m_nRxOption = i % 4;
        channel.m_nTxOption = i % 3;
        channel.m_dToneAFreq = 1000.0 + 100 * i;
        channel.m_dToneBFreq = 2500.0;
    }
    doc.m_bModem = 1;
    doc.m_bModemFfsk = 1;
    return doc;
}

void EncodeImage(benchmark::State& state) {
    CDataRadioDoc doc = FullRecord();
    CEepromImage image;
    for (auto _ : state) {
        image.EncodeImage(doc);
        benchmark::DoNotOptimize(image.m_Work.data());
    }
}
BENCHMARK(EncodeImage);

void DecodeImage(benchmark::State& state) {
    CDataRadioDoc doc = FullRecord();
    CEepromImage image;
    image.EncodeImage(doc);
    CDataRadioDoc back;
    for (auto _ : state) {
        image.DecodeImage(back);
        benchmark::DoNotOptimize(&back);
    }
}
BENCHMARK(DecodeImage);

void BuildAndRenderDataSheet(benchmark::State& state) {
    const CDataRadioDoc doc = FullRecord();
    for (auto _ : state) {
        const SDataSheet sheet = BuildDataSheet(doc);
        std::string text = DataSheetText(sheet);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BuildAndRenderDataSheet);

}  // namespace
