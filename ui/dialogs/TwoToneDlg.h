#pragma once
// " TWO TONE DATA": the two tones a channel's two-tone decoder listens for, their durations and which of them
// count. Each field is checked when it is left (and on OK); Cancel puts the channel's values back.

#include <QButtonGroup>
#include <QDialog>

#include "DataRadioDoc.h"
#include "MessageSink.h"
#include "widgets/DigitEdit.h"

class CTwoToneDlg : public QDialog {
    Q_OBJECT
public:
    // channel: 1-16, the channel whose tone data is edited.
    CTwoToneDlg(CDataRadioDoc& doc, CMessageSink& sink, int channel, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

    CDataRadioDoc& m_Doc;
    CMessageSink& m_Sink;
    int m_nChannel;
    QString m_strTone;  // the group's caption after OK: "Tone A", "Tone B" or "Both"
    QButtonGroup* m_pGroup = nullptr;
    // Tone A frequency, tone A duration, tone B frequency, tone B duration.
    CDigitEdit* m_Fields[4] = {};

private:
    CChannelData& Channel() { return m_Doc.m_Channel[static_cast<size_t>(m_nChannel - 1)]; }
    void OnGroup(int group);
    void OnFieldLeave(int field);
    bool m_bTelling = false;
    CChannelData m_Saved;
};
