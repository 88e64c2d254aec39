#include "app/EditCommands.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

#include "ChannelClipboard.h"
#include "TextMark.h"
#include "app/MainForm.h"
#include "app/MainWindow.h"
#include "app/RecordHistory.h"
#include "dialogs/BulkEditDlg.h"
#include "pages/ChannelSelection.h"
#include "pages/EepromPage.h"
#include "pages/PageIndex.h"
#include "widgets/CommitEdit.h"

namespace {

constexpr const char* kWatchedProperty = "kv310HistoryWatched";
constexpr const char* kMsgInsertLosesChannel16 =
    KV310_TEXT("Messages",
               "Channel 16 is programmed and falls off the end when the channels move "
               "down.\r\n\r\nInsert all the same?");

// A control's name in a step: its accessible name ("Channel 5 RX frequency"), else its caption.
QString StepName(const QWidget* control) {
    if (!control->accessibleName().isEmpty()) {
        return control->accessibleName();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text().remove(QLatin1Char('&'));
    }
    return QObject::tr("Change");
}

}  // namespace

QString ChannelsText(const std::vector<int>& channels) {
    return channels.size() == 1 ? QObject::tr("Channel %1").arg(channels.front())
                                : QObject::tr("%1 Channels").arg(channels.size());
}

CEditCommands::CEditCommands(CMainWindow& frame, CMainForm& view)
    : QObject(&view), m_Frame(frame), m_View(view), m_History(view.m_History) {
    m_pMenu = new QMenu(tr("&Edit"), &frame);
    m_pActUndo = Add(QT_TR_NOOP("&Undo"), QT_TR_NOOP("Undo the last change to the settings"),
                     {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &CEditCommands::OnUndo);
    m_pActRedo = Add(QT_TR_NOOP("&Redo"), QT_TR_NOOP("Do again what was undone"),
                     {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                     &CEditCommands::OnRedo);
    m_pMenu->addSeparator();
    m_pActCut = Add(QT_TR_NOOP("Cu&t"), QT_TR_NOOP("Copy the selected channels and empty them"),
                    {QKeySequence(Qt::CTRL | Qt::Key_X)}, &CEditCommands::OnCut);
    m_pActCopy =
        Add(QT_TR_NOOP("&Copy"), QT_TR_NOOP("Copy the selected channels, for a spreadsheet or another plan"),
            {QKeySequence(Qt::CTRL | Qt::Key_C)}, &CEditCommands::OnCopy);
    m_pActPaste =
        Add(QT_TR_NOOP("&Paste"),
            QT_TR_NOOP("Paste channel rows into the selected channels, through the page's checks (in a text "
                       "field: paste into the field)"),
            {QKeySequence(Qt::CTRL | Qt::Key_V)}, &CEditCommands::OnPaste);
    m_pActDelete = Add(QT_TR_NOOP("&Delete Channel"), QT_TR_NOOP("Empty the selected channels"),
                       {QKeySequence(Qt::Key_Delete)}, &CEditCommands::OnDelete);
    m_pMenu->addSeparator();
    m_pActInsert = Add(QT_TR_NOOP("&Insert Channel"),
                       QT_TR_NOOP("Insert an empty channel; the channels below move down"), {},
                       &CEditCommands::OnInsert);
    m_pActRemove = Add(QT_TR_NOOP("Re&move Channel"),
                       QT_TR_NOOP("Remove the selected channels; the channels below move up"), {},
                       &CEditCommands::OnRemove);
    m_pActMoveUp = Add(QT_TR_NOOP("M&ove Up"), QT_TR_NOOP("Move the selected channels up one row"),
                       {QKeySequence(Qt::ALT | Qt::Key_Up)}, nullptr);
    m_pActMoveDown = Add(QT_TR_NOOP("Move Do&wn"), QT_TR_NOOP("Move the selected channels down one row"),
                         {QKeySequence(Qt::ALT | Qt::Key_Down)}, nullptr);
    connect(m_pActMoveUp, &QAction::triggered, this, [this] { OnMove(-1); });
    connect(m_pActMoveDown, &QAction::triggered, this, [this] { OnMove(1); });
    m_pMenu->addSeparator();
    m_pActEditSelected = Add(QT_TR_NOOP("&Edit Selected Channels..."),
                             QT_TR_NOOP("Set bandwidth, power, scan, step or signalling of "
                                        "every selected channel at once"),
                             {QKeySequence(Qt::CTRL | Qt::Key_E)}, &CEditCommands::OnEditSelected);
    QMenuBar* bar = frame.menuBar();
    bar->insertMenu(bar->actions().value(1), m_pMenu);

    m_RunBulkEdit = [this](SBulkEdit& edit) {
        CBulkEditDlg dialog(m_View.m_Doc, &m_View);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        edit = dialog.m_Edit;
        return true;
    };
    m_History.m_Refresh = [this] {
        m_View.RefreshPages();
        m_View.RefreshHeader();
        m_View.RebuildMap(true);
    };
    // The map's byte edits wait for the next write beside the record: a step covers them too.
    m_History.m_SaveExtra = [this] {
        std::vector<uint8_t> extra;
        if (m_View.m_pSheet != nullptr) {
            const CEepromImage& image = m_View.m_pSheet->m_pEepromPage->m_Image;
            extra.assign(image.m_Change.begin(), image.m_Change.end());
            for (int address = 0; address < kImageSize; ++address) {
                extra.push_back(image.m_ChangeMarks.test(static_cast<size_t>(address)) ? 1 : 0);
            }
        }
        // and the version of the radio the record came from, which undo of a read takes away
        const QByteArray version = m_View.m_strVersion.toUtf8();
        extra.insert(extra.end(), version.begin(), version.end());
        return extra;
    };
    m_History.m_nCarriedFrom = 2 * kImageSize;
    m_History.m_RestoreExtra = [this](const std::vector<uint8_t>& extra) {
        if (m_View.m_pSheet == nullptr || extra.size() < 2 * kImageSize) {
            return;
        }
        m_View.ShowRadioVersion(
            QString::fromUtf8(reinterpret_cast<const char*>(extra.data()) + 2 * kImageSize,
                              static_cast<qsizetype>(extra.size() - 2 * kImageSize)));
        CEepromImage& image = m_View.m_pSheet->m_pEepromPage->m_Image;
        image.ClearChangeBytes();
        for (int address = 0; address < kImageSize; ++address) {
            if (extra[static_cast<size_t>(kImageSize + address)] != 0) {
                image.SetChangeByte(address, extra[static_cast<size_t>(address)]);
            }
        }
    };
    connect(&m_History.m_Stack, &QUndoStack::indexChanged, this, &CEditCommands::UpdateUndoActions);
    connect(&m_History, &CRecordHistory::Changed, this, &CEditCommands::UpdateTitle);
    connect(&view, &CMainForm::PageShown, this, &CEditCommands::WatchControls);
    connect(&view, &CMainForm::BusyChanged, this, &CEditCommands::OnBusyChanged);
    // The form's own commands (the two-tone condition): a step once they have run.
    for (QAction* action : view.actions()) {
        connect(action, &QAction::triggered, this,
                [this, action] { m_History.Record(action->text().remove(QLatin1Char('&'))); });
    }
    if (view.m_cbBand->accessibleName().isEmpty()) {
        view.m_cbBand->setAccessibleName(tr("BAND"));  // the step's name when the band changes
    }
    UpdateUndoActions();
    UpdateTitle();
}

QAction* CEditCommands::Add(const char* text, const char* tip, const QList<QKeySequence>& keys,
                            void (CEditCommands::*run)()) {
    auto* action = new QAction(tr(text), &m_Frame);
    action->setStatusTip(tr(tip));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    if (run != nullptr) {
        connect(action, &QAction::triggered, this, run);
    }
    m_pMenu->addAction(action);
    m_Frame.addAction(action);
    return action;
}

void CEditCommands::WatchControls() {
    // Pages build their controls when first shown: each new control is watched once.
    const auto watched = [](QObject* control) {
        const bool was = control->property(kWatchedProperty).toBool();
        control->setProperty(kWatchedProperty, true);
        return was;
    };
    // Connected after the page's own handlers, so the record already holds the change when a step is taken.
    for (QWidget* control : m_View.findChildren<QWidget*>()) {
        const auto record = [this, control] { m_History.Record(StepName(control)); };
        if (auto* text = qobject_cast<QLineEdit*>(control);
            text != nullptr && !text->property(kWatchedProperty).toBool()) {
            text->installEventFilter(this);
        }
        if (auto* field = qobject_cast<CDigitEdit*>(control); field != nullptr && !watched(field)) {
            connect(field, &CDigitEdit::Left, this, record);
        } else if (auto* commit = qobject_cast<CCommitEdit*>(control);
                   commit != nullptr && !watched(commit)) {
            connect(commit, &CCommitEdit::Commit, this, record);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control); edit != nullptr && !watched(edit)) {
            connect(edit, &QLineEdit::editingFinished, this, record);
        } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control); spin != nullptr && !watched(spin)) {
            connect(spin, &QAbstractSpinBox::editingFinished, this, record);
        } else if (auto* list = qobject_cast<QComboBox*>(control); list != nullptr && !watched(list)) {
            connect(list, &QComboBox::activated, this, record);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control);
                   button != nullptr && !watched(button)) {
            connect(button, &QAbstractButton::clicked, this, record);
        } else if (auto* map = qobject_cast<QAbstractItemView*>(control); map != nullptr && !watched(map)) {
            // A cell of the EEPROM map opens its byte editor on a double click, Return or F2.
            connect(map, &QAbstractItemView::doubleClicked, this,
                    [this] { m_History.Record(tr("EEPROM Byte Edit")); });
            map->installEventFilter(this);
        }
    }
    CChannelPage* page = m_View.m_pSheet != nullptr ? m_View.m_pSheet->m_pChannelPage : nullptr;
    if (m_pSelection == nullptr && page != nullptr && page->IsCreated()) {
        m_pSelection = new CChannelSelection(*page, this);
        connect(m_pSelection, &CChannelSelection::ContextMenuAt, this, [this](const QPoint& at) {
            QMenu menu;
            menu.addActions({m_pActCut, m_pActCopy, m_pActPaste, m_pActDelete});
            menu.addSeparator();
            menu.addActions({m_pActInsert, m_pActRemove, m_pActMoveUp, m_pActMoveDown});
            menu.addSeparator();
            menu.addAction(m_pActEditSelected);
            menu.exec(at);
        });
    }
}

bool CEditCommands::eventFilter(QObject* watched, QEvent* event) {
    if (const auto* field = qobject_cast<QLineEdit*>(watched);
        field != nullptr && event->type() == QEvent::ShortcutOverride) {
        // A text field undoes its own typing first; with nothing left to undo there, the keys reach the
        // history.
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !field->isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !field->isRedoAvailable())) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (qobject_cast<QAbstractItemView*>(watched) != nullptr && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
            // The byte editor is about to open: the step is taken once it has gone.
            QTimer::singleShot(0, this, [this] {
                QWidget* dialog = QApplication::activeModalWidget();
                const auto record = [this] { m_History.Record(tr("EEPROM Byte Edit")); };
                if (dialog != nullptr) {
                    connect(dialog, &QObject::destroyed, this, record);
                } else {
                    record();
                }
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void CEditCommands::OnBusyChanged(bool busy) {
    m_bBusy = busy;
    if (busy) {
        m_strBusyStep =
            m_View.m_Busy.m_strWhat.contains(QLatin1String("read")) ? tr("Read Radio") : tr("Radio Transfer");
    } else {
        // A read brings a new plan (undo gives back the one before); the step waits for the pages' refresh
        // after the transfer, which fits the frequencies read.
        QTimer::singleShot(0, this, [this] { m_History.Record(m_strBusyStep); });
    }
    for (QAction* action : m_pMenu->actions()) {
        action->setEnabled(!busy);
    }
    UpdateUndoActions();
}

void CEditCommands::UpdateUndoActions() {
    const QUndoStack& stack = m_History.m_Stack;
    m_pActUndo->setEnabled(!m_bBusy && stack.canUndo());
    m_pActRedo->setEnabled(!m_bBusy && stack.canRedo());
    m_pActUndo->setText(stack.canUndo() ? tr("&Undo %1").arg(stack.undoText()) : tr("&Undo"));
    m_pActRedo->setText(stack.canRedo() ? tr("&Redo %1").arg(stack.redoText()) : tr("&Redo"));
}

void CEditCommands::UpdateTitle() {
    const bool modified = m_View.HasUnsavedChanges();
    const QString name = QFileInfo(QString::fromStdString(m_View.m_strFilePath)).fileName();
    QString title = QString::fromLatin1(kWindowTitle);
    if (!name.isEmpty() || modified) {
        title += QStringLiteral(" - ") + (name.isEmpty() ? tr("Untitled") : name) + (modified ? "*" : "");
    }
    m_Frame.setWindowTitle(title);
}

bool CEditCommands::Begin() {
    // Typed text counts first, as for every command that reads the record; a refused entry stops here.
    if (m_View.m_Busy.Refuse(m_View.m_Sink) || !m_View.CommitPendingEdits()) {
        return false;
    }
    m_History.Record(tr("Edit"));  // whatever the commit changed is a step of its own
    return true;
}

std::vector<int> CEditCommands::Chosen() {
    if (m_View.m_nCurPage != kPageChannel) {
        emit m_View.StatusText(tr("The row commands work on the Channel page (View > Channel)."));
        return {};
    }
    std::vector<int> channels = m_pSelection != nullptr ? m_pSelection->Channels() : std::vector<int>();
    if (channels.empty()) {
        emit m_View.StatusText(
            tr("Select channels first: click a channel number (Shift or Ctrl to add more), or press "
               "Shift+Space in a row."));
    }
    return channels;
}

QLineEdit* CEditCommands::FocusedField() const {
    // The window's own focus widget: a menu opened by the mouse leaves it where it was.
    auto* field = qobject_cast<QLineEdit*>(m_Frame.focusWidget());
    return field != nullptr && !field->isReadOnly() && m_View.isAncestorOf(field) ? field : nullptr;
}

void CEditCommands::RunRowCommand(const FRowChange& change) {
    if (!Begin()) {
        return;
    }
    const std::vector<int> channels = Chosen();
    if (channels.empty()) {
        return;  // Chosen() said why
    }
    const CDataRadioDoc before = m_View.m_Doc;
    SRowResult result;
    const bool changed = change(channels, result);
    if (changed) {
        m_View.RefreshPages();
        m_View.RebuildMap(true);
        if (!SameSettings(before, m_View.m_Doc)) {
            m_History.RecordFrom(before, result.m_strStep);
        }
        if (m_pSelection != nullptr && !result.m_Select.empty()) {
            m_pSelection->Select(result.m_Select, result.m_Select.front());
        }
    }
    emit m_View.StatusText(result.m_strStatus);
    if (!result.m_strDetails.empty()) {
        m_View.m_Sink.ShowMessageAs(result.m_strStatus.toStdString() + "\n" + result.m_strDetails,
                                    EMessageKind::Information);
    }
}

void CEditCommands::OnUndo() {
    if (!m_bBusy && Begin() && m_History.m_Stack.canUndo()) {
        const QString step = m_History.m_Stack.undoText();
        m_History.m_Stack.undo();
        emit m_View.StatusText(tr("Undone: %1.").arg(step));
    }
}

void CEditCommands::OnRedo() {
    if (!m_bBusy && Begin() && m_History.m_Stack.canRedo()) {
        const QString step = m_History.m_Stack.redoText();
        m_History.m_Stack.redo();
        emit m_View.StatusText(tr("Redone: %1.").arg(step));
    }
}

void CEditCommands::OnCopy() {
    if (QLineEdit* field = FocusedField()) {
        field->copy();
        return;
    }
    RunRowCommand([this](const std::vector<int>& channels, SRowResult& result) {
        Copy(channels);
        result.m_strStatus = tr("Copied %1.").arg(ChannelsText(channels));
        return false;
    });
}

void CEditCommands::Copy(const std::vector<int>& channels) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(CopyChannelRows(m_View.m_Doc, channels, '\t')));
    data->setData(QStringLiteral("text/csv"),
                  QByteArray::fromStdString(CopyChannelRows(m_View.m_Doc, channels, ',')));
    QApplication::clipboard()->setMimeData(data);
}

void CEditCommands::OnCut() {
    if (QLineEdit* field = FocusedField()) {
        field->cut();
        return;
    }
    RunRowCommand([this](const std::vector<int>& channels, SRowResult& result) {
        Copy(channels);
        for (const int n : channels) {
            ClearChannel(m_View.m_Doc, n);
        }
        result = {tr("Cut %1").arg(ChannelsText(channels)),
                  tr("Cut %1.").arg(ChannelsText(channels)),
                  {},
                  channels};
        return true;
    });
}

void CEditCommands::OnPaste() {
    if (QLineEdit* field = FocusedField()) {
        // In a field Paste is the field's own, whatever rows are selected.
        if (auto* digits = qobject_cast<CDigitEdit*>(field)) {
            digits->PasteClipboard();
        } else {
            field->paste();
        }
        return;
    }
    RunRowCommand(
        [this](const std::vector<int>& targets, SRowResult& result) { return PasteRows(targets, result); });
}

bool CEditCommands::PasteRows(const std::vector<int>& targets, SRowResult& result) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const std::string text = data == nullptr   ? std::string()
                             : data->hasText() ? data->text().toStdString()
                             : data->hasFormat(QStringLiteral("text/csv"))
                                 ? data->data(QStringLiteral("text/csv")).toStdString()
                                 : std::string();
    const CDataRadioDoc before = m_View.m_Doc;
    SPasteOutcome outcome;
    std::string error;
    const bool locked = m_View.m_State.m_bTwoToneLocked != 0;
    bool pasted = PasteChannelRows(text, targets, m_View.m_Doc, locked, outcome, error);
    if (!pasted && outcome.m_bAskFirstColumn) {
        const EAnswer answer = m_View.m_Sink.AskYesNoCancel(error);
        if (answer == EAnswer::Cancel) {
            result.m_strStatus = tr("Nothing was pasted.");
            return false;
        }
        pasted = PasteChannelRows(text, targets, m_View.m_Doc, locked, outcome, error,
                                  answer == EAnswer::Yes ? EFirstColumn::Channel : EFirstColumn::Value);
    }
    if (!pasted) {
        result.m_strStatus = tr("Nothing was pasted.");
        m_View.m_Sink.ShowMessage(error);
        return false;
    }
    const QString channels = ChannelsText(outcome.m_Channels);
    result.m_strStep = tr("Paste %1").arg(channels);
    result.m_strStatus = SameSettings(before, m_View.m_Doc) ? tr("Pasted %1; nothing changed.").arg(channels)
                                                            : tr("Pasted %1.").arg(channels);
    if (!outcome.m_strColumns.empty()) {
        result.m_strStatus += QLatin1Char(' ') + tr("Without a header the columns were read as %1.")
                                                     .arg(QString::fromStdString(outcome.m_strColumns));
    }
    result.m_strDetails = PasteReport(outcome);
    result.m_Select = outcome.m_Channels;
    return true;
}

void CEditCommands::OnDelete() {
    RunRowCommand([this](const std::vector<int>& channels, SRowResult& result) {
        for (const int n : channels) {
            ClearChannel(m_View.m_Doc, n);
        }
        result = {tr("Delete %1").arg(ChannelsText(channels)),
                  tr("Deleted %1.").arg(ChannelsText(channels)),
                  {},
                  channels};
        return true;
    });
}

void CEditCommands::OnInsert() {
    RunRowCommand([this](const std::vector<int>& channels, SRowResult& result) {
        const CChannelData& last = m_View.m_Doc.m_Channel[kChannels - 1];
        if ((last.m_dRxFreq != 0.0 || last.m_dTxFreq != 0.0) &&
            !m_View.m_Sink.AskYesNo(kMsgInsertLosesChannel16)) {
            result.m_strStatus = tr("Nothing was inserted.");
            return false;
        }
        const int at = channels.front();
        InsertChannel(m_View.m_Doc, at);
        result = {tr("Insert Channel %1").arg(at),
                  tr("Inserted an empty Channel %1; the channels below moved down.").arg(at),
                  {},
                  {at}};
        return true;
    });
}

void CEditCommands::OnRemove() {
    RunRowCommand([this](const std::vector<int>& channels, SRowResult& result) {
        for (auto it = channels.rbegin(); it != channels.rend(); ++it) {
            RemoveChannel(m_View.m_Doc, *it);
        }
        result = {tr("Remove %1").arg(ChannelsText(channels)),
                  tr("Removed %1; the channels below moved up.").arg(ChannelsText(channels)),
                  {},
                  {channels.front()}};
        return true;
    });
}

void CEditCommands::OnMove(int delta) {
    RunRowCommand([this, delta](const std::vector<int>& chosen, SRowResult& result) {
        if (!MoveChannels(m_View.m_Doc, chosen, delta)) {
            result.m_strStatus =
                delta < 0 ? tr("Channel 1 is the top row.") : tr("Channel 16 is the bottom row.");
            return false;
        }
        std::vector<int> channels = chosen;
        for (int& n : channels) {
            n += delta;
        }
        const QString what = ChannelsText(channels);
        result = {(delta < 0 ? tr("Move Up %1") : tr("Move Down %1")).arg(what),
                  (delta < 0 ? tr("Moved %1 up.") : tr("Moved %1 down.")).arg(what),
                  {},
                  channels};
        return true;
    });
}

void CEditCommands::OnEditSelected() {
    RunRowCommand([this](const std::vector<int>& channels, SRowResult& result) {
        SBulkEdit edit;
        if (!m_RunBulkEdit || !m_RunBulkEdit(edit)) {
            result.m_strStatus = tr("Nothing was edited.");
            return false;
        }
        const std::vector<std::string> refused = ApplyBulkEdit(m_View.m_Doc, channels, edit);
        result = {tr("Edit %1").arg(ChannelsText(channels)),
                  tr("Edited %1.").arg(ChannelsText(channels)),
                  {},
                  channels};
        if (!refused.empty()) {
            result.m_strDetails = tr("Some channels kept a value:").toStdString();
            for (const std::string& line : refused) {
                result.m_strDetails += "\n" + line;
            }
        }
        return true;
    });
}
