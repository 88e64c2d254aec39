#include "radio/PlanCheck.h"

#include <QCoreApplication>

#include "ConfigCheck.h"

namespace {

constexpr size_t kFindingsShown = 12;  // a longer list is cut, with a count of the rest

QString Tr(const char* text) {
    return QCoreApplication::translate("CRadioTransfer", text);  // the write's own texts
}

}  // namespace

bool ConfirmPlanCheck(const CDataRadioDoc& doc, CMessageSink& sink,
                      const std::function<void(const QString&)>& showStatus) {
    const std::vector<SFinding> findings = CheckConfig(doc);
    if (!HasErrors(findings)) {
        if (!findings.empty() && showStatus) {
            showStatus(QString::fromStdString(FindingLine(findings.front())));
        }
        return true;
    }
    std::string question =
        Tr(QT_TRANSLATE_NOOP("CRadioTransfer", "This configuration would not reach the radio as it stands:"))
            .toStdString() +
        "\r\n\r\n";
    for (size_t i = 0; i < findings.size() && i < kFindingsShown; ++i) {
        question += FindingLine(findings[i]) + "\r\n";
    }
    if (findings.size() > kFindingsShown) {
        question += Tr(QT_TRANSLATE_NOOP("CRadioTransfer", "... and %1 more."))
                        .arg(findings.size() - kFindingsShown)
                        .toStdString() +
                    "\r\n";
    }
    question +=
        "\r\n" + Tr(QT_TRANSLATE_NOOP("CRadioTransfer", "Write it to the radio anyway?")).toStdString();
    return sink.AskYesNo(question);
}
