#include "pages/ChannelSelection.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "pages/ChannelPage.h"

CChannelSelection::CChannelSelection(CChannelPage& page, QObject* parent) : QObject(parent), m_Page(page) {
    QWidget* previous = page.m_pTxDelay;
    for (const auto& row : page.m_Rows) {
        QLabel* number = row->m_pNumber;
        number->setFocusPolicy(Qt::StrongFocus);
        number->setAutoFillBackground(true);
        number->setAccessibleDescription(tr(
            "Click or press Space to select the row for the Edit menu; Shift and Ctrl extend the selection. "
            "Shift+Space in any control of a row comes here."));
        number->installEventFilter(this);
        // The numbers come last in the Tab order, after the page's own controls; Shift+Space reaches them.
        QWidget::setTabOrder(previous, number);
        previous = number;
        for (const SChannelColumn& column : kChannelColumns) {
            if (column.m_Kind != EChannelColumn::Number) {
                row->Widget(column.m_Kind)->installEventFilter(this);
            }
        }
    }
    Show();
}

int CChannelSelection::RowOf(const QObject* control) const {
    for (const auto& row : m_Page.m_Rows) {
        for (const SChannelColumn& column : kChannelColumns) {
            if (column.m_Kind != EChannelColumn::Number && row->Widget(column.m_Kind) == control) {
                return row->m_nChannel;
            }
        }
    }
    return 0;
}

bool CChannelSelection::RowControlEvent(int channel, QEvent* event) {
    if (event->type() == QEvent::FocusIn && !m_Selected.empty() && m_Selected.count(channel) == 0) {
        // Work in another row ends the selection: Del there must not empty the rows chosen before.
        Select({}, channel);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::ShiftModifier) {
            // As in a spreadsheet: Shift+Space selects the row the keyboard is in.
            Select({channel}, channel);
            Number(channel)->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return false;
}

QLabel* CChannelSelection::Number(int channel) const {
    return m_Page.m_Rows[static_cast<size_t>(channel - 1)]->m_pNumber;
}

std::vector<int> CChannelSelection::Channels() const {
    if (!m_Selected.empty()) {
        return {m_Selected.begin(), m_Selected.end()};
    }
    const QWidget* focus = QApplication::focusWidget();
    for (const auto& row : m_Page.m_Rows) {
        for (int column = 0; column < 8; ++column) {
            if (focus != nullptr && row->Widget(kChannelColumns[column].m_Kind) == focus) {
                return {row->m_nChannel};
            }
        }
    }
    return {};
}

void CChannelSelection::Select(const std::vector<int>& channels, int current) {
    m_Selected.clear();
    for (const int n : channels) {
        if (n >= 1 && n <= kChannels) {
            m_Selected.insert(n);
        }
    }
    m_nCurrent = m_nAnchor = std::clamp(current, 1, kChannels);
    Show();
}

void CChannelSelection::SelectRange(int from, int to) {
    for (int n = std::min(from, to); n <= std::max(from, to); ++n) {
        m_Selected.insert(n);
    }
    Show();
}

void CChannelSelection::Show() {
    for (int n = 1; n <= kChannels; ++n) {
        QLabel* number = Number(n);
        const bool selected = m_Selected.count(n) != 0;
        number->setBackgroundRole(selected ? QPalette::Highlight : QPalette::Window);
        number->setForegroundRole(selected ? QPalette::HighlightedText : QPalette::WindowText);
        number->setAccessibleName(selected ? tr("Channel %1, selected").arg(n) : tr("Channel %1").arg(n));
    }
}

void CChannelSelection::Click(int channel, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier) {
        if (!(modifiers & Qt::ControlModifier)) {
            m_Selected.clear();
        }
        m_nCurrent = channel;
        SelectRange(m_nAnchor, channel);
    } else if (modifiers & Qt::ControlModifier) {
        if (!m_Selected.erase(channel)) {
            m_Selected.insert(channel);
        }
        m_nCurrent = m_nAnchor = channel;
        Show();
    } else {
        Select({channel}, channel);
    }
    Number(channel)->setFocus(Qt::MouseFocusReason);
}

bool CChannelSelection::Key(int channel, int key, Qt::KeyboardModifiers modifiers) {
    const bool extend = modifiers & Qt::ShiftModifier;
    int next = channel;
    switch (key) {
        case Qt::Key_Up:
            next = channel - 1;
            break;
        case Qt::Key_Down:
            next = channel + 1;
            break;
        case Qt::Key_Home:
            next = 1;
            break;
        case Qt::Key_End:
            next = kChannels;
            break;
        case Qt::Key_Space:
            Click(channel, modifiers | Qt::ControlModifier);
            return true;
        case Qt::Key_A:
            if (modifiers & Qt::ControlModifier) {
                m_Selected.clear();
                SelectRange(1, kChannels);
                return true;
            }
            return false;
        default:
            return false;
    }
    if (modifiers & Qt::AltModifier) {
        return false;  // Alt+Up and Alt+Down move the channels
    }
    next = std::clamp(next, 1, kChannels);
    if (extend) {
        Click(next, Qt::ShiftModifier);
    } else if (modifiers & Qt::ControlModifier) {
        m_nCurrent = next;  // moves without selecting, so Space can pick rows apart
        Number(next)->setFocus(Qt::TabFocusReason);
    } else {
        Select({next}, next);
        Number(next)->setFocus(Qt::TabFocusReason);
    }
    return true;
}

bool CChannelSelection::eventFilter(QObject* watched, QEvent* event) {
    if (m_Page.m_bClosing) {
        return false;
    }
    if (const int channel = RowOf(watched); channel != 0) {
        return RowControlEvent(channel, event);
    }
    for (int n = 1; n <= kChannels; ++n) {
        if (watched != Number(n)) {
            continue;
        }
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                // The focus mark, in the frame's dark and light shades: a plain frame takes the text's
                // colour, which a selected row draws on the highlight. Not while the label is going: its
                // QLabel part is gone by then.
                if (auto* label = qobject_cast<QLabel*>(watched)) {
                    label->setLineWidth(2);
                    label->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Sunken
                                                                          : QFrame::NoFrame);
                }
                return false;
            case QEvent::MouseButtonPress: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton || m_Selected.count(n) == 0) {
                    Click(n, mouse->button() == Qt::LeftButton ? mouse->modifiers() : Qt::NoModifier);
                }
                return true;
            }
            case QEvent::KeyPress: {
                const auto* key = static_cast<QKeyEvent*>(event);
                return Key(n, key->key(), key->modifiers());
            }
            case QEvent::ContextMenu:
                if (m_Selected.count(n) == 0) {
                    Select({n}, n);
                }
                emit ContextMenuAt(static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            default:
                return false;
        }
    }
    return false;
}
