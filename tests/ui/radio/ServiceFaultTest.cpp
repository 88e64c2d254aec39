// Every command of both service dialogs against a radio that misbehaves, asserting what the user is told.

#include <cerrno>
#include <functional>

#include "PortNames.h"
#include "PortSurvey.h"
#include "radio/CalibrationDlg.h"
#include "radio/ServiceRig.h"
#include "radio/SquelchDlg.h"

namespace {

enum class EFault { Silent, Garbage, NotAllowed, Invalid };
// How a command looks at the reply: checked for 0x55/0x65, repeated until anything arrives, 0x55 only, or
// not at all.
enum class EKind { Checked, Repeated, InvalidOnly, Unexamined };

struct SFaultCase {
    EFault fault;
    const char* name;
};
constexpr SFaultCase kFaults[] = {{EFault::Silent, "silent"},
                                  {EFault::Garbage, "garbage"},
                                  {EFault::NotAllowed, "0x65"},
                                  {EFault::Invalid, "0x55"}};

void Inject(CRadioSimulator& radio, EFault fault) {
    switch (fault) {
        case EFault::Silent:
            radio.m_Faults.m_bSilent = true;
            break;
        case EFault::Garbage:
            radio.m_Faults.m_bServiceGarbage = true;
            break;
        case EFault::NotAllowed:
            radio.m_Faults.m_nServiceRefusal = 0x65;
            break;
        case EFault::Invalid:
            radio.m_Faults.m_nServiceRefusal = 0x55;
            break;
    }
}

std::vector<std::string> Expected(EKind kind, EFault fault) {
    if (kind == EKind::Repeated && fault == EFault::Silent) {
        return {kTextNoAnswer};
    }
    if ((kind == EKind::Checked || kind == EKind::InvalidOnly) && fault == EFault::Invalid) {
        return {kTextInvalidCommand};
    }
    if (kind == EKind::Checked && fault == EFault::NotAllowed) {
        return {kTextNotAllowed};
    }
    return {};
}

template <class TDialog>
struct SAction {
    const char* name;
    uint8_t modem;
    std::vector<QAbstractButton* (*)(TDialog&)> setup;  // pressed while the radio behaves
    QAbstractButton* (*act)(TDialog&);                  // pressed with the fault
    EKind kind;
};

template <class TDialog>
void RunMatrix(const std::vector<SAction<TDialog>>& actions) {
    for (const SAction<TDialog>& action : actions) {
        for (const SFaultCase& fault : kFaults) {
            CServiceRig<TDialog> rig(action.modem);
            TDialog& dlg = rig.Open();
            for (auto press : action.setup) {
                rig.Click(press(dlg));
            }
            Inject(rig.m_Radio, fault.fault);
            rig.Mark();
            rig.Click(action.act(dlg));
            EXPECT_EQ(rig.m_Sink.m_Messages, Expected(action.kind, fault.fault))
                << action.name << " / " << fault.name;
            EXPECT_FALSE(rig.Sent().empty()) << action.name << " / " << fault.name;
            EXPECT_TRUE(dlg.m_pClose->isEnabled());
        }
    }
}

using CCal = CCalibrationDlg;
using CSq = CSquelchDlg;

}  // namespace

TEST(ServiceFaults, EveryCalibrationCommandSaysWhatTheRadioAnswered) {
    const std::vector<SAction<CCal>> actions = {
        {"channel", 0xA1, {}, [](CCal& d) -> QAbstractButton* { return d.m_pSetChannel; }, EKind::Checked},
        {"transmit", 0xA1, {}, [](CCal& d) -> QAbstractButton* { return d.m_pTransmit; }, EKind::Checked},
        {"receive",
         0xA1,
         {[](CCal& d) -> QAbstractButton* { return d.m_pTransmit; }},
         [](CCal& d) -> QAbstractButton* { return d.m_pTransmit; },
         EKind::Unexamined},
        {"scan",
         0xA1,
         {[](CCal& d) -> QAbstractButton* { return d.m_pScan[1]; }},
         [](CCal& d) -> QAbstractButton* { return d.m_pSetScan; },
         EKind::Unexamined},
        {"gps on", 0xA1, {}, [](CCal& d) -> QAbstractButton* { return d.m_pGpsPower; }, EKind::Unexamined},
        {"gps off",
         0xA1,
         {[](CCal& d) -> QAbstractButton* { return d.m_pGpsPower; }},
         [](CCal& d) -> QAbstractButton* { return d.m_pGpsPower; },
         EKind::Repeated},
        {"gps data off",
         0xA1,
         {[](CCal& d) -> QAbstractButton* { return d.m_pGpsPower; }},
         [](CCal& d) -> QAbstractButton* { return d.m_pGpsData[0]; },
         EKind::Repeated},
        {"gps data external",
         0xA1,
         {[](CCal& d) -> QAbstractButton* { return d.m_pGpsPower; }},
         [](CCal& d) -> QAbstractButton* { return d.m_pGpsData[1]; },
         EKind::Repeated},
        {"gps data rf",
         0xA1,
         {[](CCal& d) -> QAbstractButton* { return d.m_pGpsPower; }},
         [](CCal& d) -> QAbstractButton* { return d.m_pGpsData[2]; },
         EKind::Unexamined},
        {"test data on",
         0xA1,
         {},
         [](CCal& d) -> QAbstractButton* { return d.m_pTestData; },
         EKind::Unexamined},
        {"test data off",
         0xA1,
         {[](CCal& d) -> QAbstractButton* { return d.m_pTestData; }},
         [](CCal& d) -> QAbstractButton* { return d.m_pTestData; },
         EKind::InvalidOnly},
        {"alignment", 0xA1, {}, [](CCal& d) -> QAbstractButton* { return d.m_pAlignTx; }, EKind::Unexamined},
        {"space", 0xA2, {}, [](CCal& d) -> QAbstractButton* { return d.m_pSpace; }, EKind::Unexamined},
        {"mark", 0xA2, {}, [](CCal& d) -> QAbstractButton* { return d.m_pMark; }, EKind::Unexamined},
        {"firmware", 0xA1, {}, [](CCal& d) -> QAbstractButton* { return d.m_pFirmware; }, EKind::Unexamined},
        {"reset", 0xA1, {}, [](CCal& d) -> QAbstractButton* { return d.m_pReset; }, EKind::Checked},
    };
    RunMatrix(actions);
}

TEST(ServiceFaults, EverySquelchCommandSaysWhatTheRadioAnswered) {
    const auto custom = [](CSq& d) -> QAbstractButton* { return d.m_pCustom; };
    const std::vector<SAction<CSq>> actions = {
        {"channel", 0xA1, {}, [](CSq& d) -> QAbstractButton* { return d.m_pSetChannel; }, EKind::Checked},
        {"open", 0xA1, {custom}, [](CSq& d) -> QAbstractButton* { return d.m_pSetOpen; }, EKind::Unexamined},
        {"close",
         0xA1,
         {custom},
         [](CSq& d) -> QAbstractButton* { return d.m_pSetClose; },
         EKind::Unexamined},
        {"save", 0xA1, {custom}, [](CSq& d) -> QAbstractButton* { return d.m_pSave; }, EKind::Unexamined},
        {"default", 0xA1, {}, [](CSq& d) -> QAbstractButton* { return d.m_pDefault; }, EKind::Unexamined},
    };
    RunMatrix(actions);
}

namespace {

// COM4 as the machine's survey sees it: present, but held by another program or not ours to open.
class CHeldPorts : public CPortSystem {
public:
    explicit CHeldPorts(EPortState state) : m_State(state) {}
    std::vector<int> PresentPorts() override { return {4}; }
    void Identify(SPortInfo& info) override { info.m_strKind = "Serial port"; }
    int AccessError(const std::string&) override { return m_State == EPortState::NoPermission ? EACCES : 0; }
    std::vector<SPortHolder> Holders(const std::string&) override {
        return m_State == EPortState::InUse ? std::vector<SPortHolder>{{4242, "minicom"}}
                                            : std::vector<SPortHolder>{};
    }
    EPortState m_State;
};

template <class TDialog>
void ExpectRefusedWithReason(EPortState state, const std::string& reason) {
    SCOPED_TRACE(reason);
    CHeldPorts ports(state);
    CServiceRig<TDialog> rig;
    rig.m_CheckPort = PortCheck(ports);
    rig.Open();
    EXPECT_EQ(rig.m_Sink.m_Messages, std::vector<std::string>{"Fail to open PORT4\n" + reason});
    EXPECT_EQ(rig.Dlg().result(), QDialog::Rejected);
    EXPECT_TRUE(rig.m_pPort->m_Writes.empty()) << "nothing may go to a port another program holds";
    EXPECT_FALSE(rig.m_Link.IsBusy());
}

}  // namespace

TEST(ServiceFaults, APortThatIsHeldOrForbiddenIsRefusedWithTheReasonBeforeItOpens) {
    const std::string port = "COM4 (" + ComDevicePath(4) + ")";
    const std::string held =
        port + " is in use by minicom (process 4242). Close that program, then try again.";
    const std::string forbidden = port +
                                  " cannot be used: no permission. Add yourself to the dialout group (sudo "
                                  "usermod -aG dialout $USER), then log out and in again.";
    ExpectRefusedWithReason<CCalibrationDlg>(EPortState::InUse, held);
    ExpectRefusedWithReason<CSquelchDlg>(EPortState::InUse, held);
    ExpectRefusedWithReason<CCalibrationDlg>(EPortState::NoPermission, forbidden);
    ExpectRefusedWithReason<CSquelchDlg>(EPortState::NoPermission, forbidden);
}
