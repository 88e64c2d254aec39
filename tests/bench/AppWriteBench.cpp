// Times a write from the desktop program (the toolbar command: encode on the UI thread, bytes on a worker,
// the Read/Write window updated through the event loop) against the same write as kv310ctl runs it
// (CBlockTransfer on the calling thread), both to the built-in simulated radio on COM49, in turns.
// The worker and the event loop should cost nothing measurable next to the protocol's six seconds.
//
// Usage: app_write_bench [rounds]   (runs offscreen; prints each round and the medians)

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BlockTransfer.h"
#include "BuiltInRadio.h"
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

double CliWriteMs() {
    CSerialPort port;
    CEepromImage image;
    CDataRadioDoc doc = Plan();
    CBlockTransfer transfer(port, image, doc);
    transfer.m_nComNumber = kSimulatedRadioCom;
    transfer.m_strDevice = BuiltInRadioPath();
    QElapsedTimer timer;
    timer.start();
    if (!transfer.WriteRadio()) {
        std::fprintf(stderr, "the kv310ctl-style write failed: %s\n", transfer.m_strFailure.c_str());
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
    CMainForm* view = AttachView(frame, doc, sink, ProgramComResolver());
    view->m_bModelSelectAtFirstPaint = false;
    InitialUpdate(frame, *view);
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
    return 0;
}
