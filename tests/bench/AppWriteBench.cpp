// Times a default write from the desktop program (the toolbar command: encode on the UI thread; read the
// radio, lay the plan over it, write and read back on a worker; the Read/Write window updated through the
// event loop) against the same write as kv310ctl runs it (RunRadioWrite on the calling thread), both to the
// built-in simulated radio on COM49, in turns, beside the protocol's floor: the fixed waits of a read, a
// write and a read back (a pseudo-terminal passes the host's bytes at once). Both should stay within 3 % of
// it; exits 1 when a median does not.
//
// Usage: app_write_bench [rounds]   (runs offscreen; prints each round and the medians)

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BuiltInRadio.h"
#include "ImageMerge.h"
#include "ImageTransfer.h"
#include "RadioWrite.h"
#include "SerialPort.h"
#include "app/AppWindow.h"
#include "app/MainForm.h"
#include "app/MainWindow.h"

namespace {

CDataRadioDoc Plan() {
    CDataRadioDoc doc;
    doc.m_Channel[0].m_dRxFreq = 150.0125;
    doc.m_Channel[0].m_dTxFreq = 150.0125;
    return doc;
}

constexpr int kStartWaitsMs = kWaitAfterOpenMs + kWaitAfterEnterMs + kWaitForReplyMs;
constexpr int kReadWaitsMs = kStartWaitsMs + kImageBlocks * kWaitForReplyMs;
constexpr int kWriteWaitsMs = kStartWaitsMs + kImageBlocks * (kWaitBeforeChecksumMs + kWaitForReplyMs);
constexpr int kFloorMs = 2 * kReadWaitsMs + kWriteWaitsMs;  // read first, write, read back: 12.7 s
constexpr double kAllowedOver = 0.03;

double CliWriteMs() {
    CSerialPort port;
    CEepromImage image;
    CDataRadioDoc doc = Plan();
    QElapsedTimer timer;
    timer.start();
    image.EncodeImage(doc);
    image.ApplyChangeBytes();
    SRadioWrite job;
    job.m_Plan = image.m_Work;
    job.m_Decided = image.m_Decided;
    CBlockTransfer transfer(port, STransferHooks());
    transfer.m_nComNumber = kSimulatedRadioCom;
    transfer.m_strDevice = BuiltInRadioPath();
    const SRadioWriteResult result = RunRadioWrite(transfer, job);
    if (!result.m_bOk) {
        std::fprintf(stderr, "the kv310ctl-style write failed: %s\n", result.m_strFailure.c_str());
        std::exit(1);
    }
    return timer.nsecsElapsed() / 1e6;
}

double AppWriteMs(CMainWindow& frame, CMainForm& view) {
    view.m_Doc = Plan();
    frame.OnPortCommand(kSimulatedRadioCom);
    CRadioTransfer& transfer = *view.m_pSheet->m_pEepromPage->m_pTransfer;
    QElapsedTimer timer;
    timer.start();
    frame.m_pActWriteRadio->trigger();
    transfer.WaitUntilDone();
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!transfer.m_bLastOk) {
        std::fprintf(stderr, "the application's write failed\n");
        std::exit(1);
    }
    return ms;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QApplication app(argc, argv);
    CDataRadioDoc doc;
    CRecordingSink sink;
    CMainWindow frame(doc, sink);
    frame.m_PortLister = [] { return std::vector<uint32_t>{kSimulatedRadioCom}; };
    CMainForm* view = CreateMainForm(frame, doc, sink, ProgramComResolver());
    view->m_bModelSelectAtFirstPaint = false;
    StartMainWindow(frame, *view);
    frame.show();

    std::vector<double> cli;
    std::vector<double> gui;
    for (int round = 0; round < rounds; ++round) {
        cli.push_back(CliWriteMs());
        gui.push_back(AppWriteMs(frame, *view));
        std::printf("round %d  kv310ctl-style %8.1f ms   application %8.1f ms\n", round + 1, cli.back(),
                    gui.back());
    }
    const double c = Median(cli);
    const double g = Median(gui);
    std::printf("median   kv310ctl-style %8.1f ms   application %8.1f ms   %+.2f %%\n", c, g,
                (g - c) / c * 100.0);
    const double limit = kFloorMs * (1.0 + kAllowedOver);
    std::printf(
        "floor    %d ms (read %d + write %d + read back %d): kv310ctl-style %+.2f %%, application "
        "%+.2f %% (allowed +%.0f %%): %s\n",
        kFloorMs, kReadWaitsMs, kWriteWaitsMs, kReadWaitsMs, (c - kFloorMs) / kFloorMs * 100.0,
        (g - kFloorMs) / kFloorMs * 100.0, kAllowedOver * 100.0, c <= limit && g <= limit ? "ok" : "FAIL");
    return c <= limit && g <= limit ? 0 : 1;
}
