#pragma once
// The rows of the channel page as a selection, for the Edit commands. A click on a channel number selects
// that row and takes the keyboard focus to the row selection (out of any text field), Shift+click and
// Ctrl+click extend it; on a focused number the arrow keys move (Shift extends), Space toggles a row and
// Ctrl+A selects all 16; Shift+Space in any control of a row selects that row and takes the focus to its
// number, which draws a frame while it has the focus. The focus going into a control of a row that is not
// selected ends the selection. Selected rows are drawn highlighted, and a number's accessible name says
// whether its row is selected.

#include <QObject>
#include <set>
#include <vector>

class CChannelPage;
class QLabel;

class CChannelSelection : public QObject {
    Q_OBJECT
public:
    explicit CChannelSelection(CChannelPage& page, QObject* parent = nullptr);

    // The selected channels in order; without a selection the channel of the row that has the focus.
    std::vector<int> Channels() const;
    void Select(const std::vector<int>& channels, int current);

    std::set<int> m_Selected;
    int m_nCurrent = 1;  // the row the keyboard is on
    int m_nAnchor = 1;   // where a Shift extension starts

signals:
    void ContextMenuAt(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Click(int channel, Qt::KeyboardModifiers modifiers);
    bool Key(int channel, int key, Qt::KeyboardModifiers modifiers);
    void SelectRange(int from, int to);
    void Show();
    // The channel of a row control other than the number; 0 for any other object.
    int RowOf(const QObject* control) const;
    bool RowControlEvent(int channel, QEvent* event);
    QLabel* Number(int channel) const;
    CChannelPage& m_Page;
};
