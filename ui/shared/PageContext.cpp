#include "shared/PageContext.h"

void CBusyState::Begin(const QString& what) {
    m_strWhat = what;
    emit Changed(true);
}

void CBusyState::End() {
    m_strWhat.clear();
    emit Changed(false);
}

bool CBusyState::Refuse(CMessageSink& sink) const {
    if (!IsBusy()) {
        return false;
    }
    sink.ShowMessage(tr("This cannot be done while %1 is running. Wait until it has finished, or "
                        "cancel it in its window.")
                         .arg(m_strWhat)
                         .toStdString());
    return true;
}
