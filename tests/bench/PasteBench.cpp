// How long a paste of all 16 channel rows takes with every value through the channel page's rules (the
// frequency fitting, the band, the tone lists): it must stay well under 50 ms, so that Ctrl+V feels instant.
// Off-grid frequencies make every row run the whole fitting.

#include <benchmark/benchmark.h>

#include "ChannelClipboard.h"
#include "ConfigFields.h"

namespace {

std::string SixteenRows() {
    std::string text = "rx_mhz\ttx_mhz\twidth\tpower\tscan\trx_type\trx_tone_hz\ttx_type\ttx_code\n";
    for (int i = 0; i < kChannels; ++i) {
        text += std::to_string(450.0013 + 0.0251 * i) + "\t" + std::to_string(460.0017 + 0.0251 * i) +
                "\twide\thigh\ttrue\tctcss\t100.0\tdcs\t131\n";
    }
    return text;
}

void PasteSixteenRows(benchmark::State& state) {
    const std::string text = SixteenRows();
    const CDataRadioDoc plan = FreshRecord(kModelKv330Uhf, 1);
    for (auto _ : state) {
        CDataRadioDoc doc = plan;
        SPasteOutcome outcome;
        std::string error;
        benchmark::DoNotOptimize(PasteChannelRows(text, {1}, doc, true, outcome, error));
    }
}
BENCHMARK(PasteSixteenRows)->Unit(benchmark::kMillisecond);

}  // namespace
