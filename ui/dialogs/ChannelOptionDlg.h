#pragma once
// "CHANNEL OPTION": a channel's receive and transmit signalling. Every choice goes into the record at once;
// Cancel puts back the values each channel shown had when the dialog first showed it. Tab on Cancel moves
// on to the next channel.

#include <QButtonGroup>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>

#include "shared/PageContext.h"

class CChannelOptionDlg : public QDialog {
    Q_OBJECT
public:
    CChannelOptionDlg(SPageContext& context, QWidget* parent = nullptr);

    // The seven signalling values of a channel that Cancel restores.
    struct SSaved {
        double m_dRxCtcss, m_dTxCtcss;
        int m_nRxDcs, m_nTxDcs, m_nTwoToneGroup, m_nRxOption, m_nTxOption;
    };

    // Shows channel n (1-16): captions, radio choices, button states and the lock rule.
    void ShowChannel(int channel);
    // Tab on Cancel: the next channel, or channel 1 after 16.
    void NextChannel();
    void reject() override;

    // The pickers and dialogs this one opens; tests may answer them. Each returns false when cancelled.
    std::function<bool(bool ctcss, const QString& current, QString& pick)> m_RunPicker;
    std::function<bool(int channel, QString& group)> m_RunTwoTone;
    std::function<bool()> m_RunAccessCode;  // true when closed with ENABLE

    CDataRadioDoc& m_Doc;
    SWindowState& m_State;
    CMessageSink& m_Sink;
    int m_nChannel = 1;
    int m_nRxChoice = 0;
    int m_nTxChoice = 0;
    QString m_strCtcss = QStringLiteral("67.0");
    QString m_strDcs = QStringLiteral("23.0");
    QString m_strTone;
    std::map<int, SSaved> m_Saved;  // by channel, the values when first shown

    QLineEdit* m_pChannelField = nullptr;
    QButtonGroup* m_pRxGroup = nullptr;
    QButtonGroup* m_pTxGroup = nullptr;
    QRadioButton* m_pTwoToneChoice = nullptr;
    QPushButton* m_pRxCtcss = nullptr;
    QPushButton* m_pRxDcs = nullptr;
    QPushButton* m_pTone = nullptr;
    QPushButton* m_pTxCtcss = nullptr;
    QPushButton* m_pTxDcs = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CChannelData& Shown() { return m_Doc.m_Channel[static_cast<size_t>(m_nChannel - 1)]; }
    void Build();
    void UpdateButtons();
    void OnRxChoice(int choice);
    void OnTxChoice(int choice);
    void OnTwoToneChoice();
    void OnPick(bool ctcss, bool rx);
    void OnTone();
    void Tell(const std::string& text);
};
