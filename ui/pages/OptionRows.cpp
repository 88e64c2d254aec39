#include "pages/OptionRows.h"

#include <QLabel>
#include <algorithm>

#include "shared/Translation.h"
#include "widgets/AccessibleText.h"

namespace {

QLabel* AddLabels(QGridLayout* grid, int row, int column, const SRowText& text, QWidget* control) {
    auto* label = new QLabel(TranslatedText("COptionPage", text.m_pszLabel));
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1);
    grid->addWidget(new QLabel(TranslatedText("COptionPage", text.m_pszUnit)), row, column + 2);
    grid->addWidget(new QLabel(TranslatedText("COptionPage", text.m_pszHint)), row, column + 3);
    NameByCaption(control, label->text(), TranslatedText("COptionPage", text.m_pszAccessible));
    return label;
}

}  // namespace

QComboBox* AddListRow(QGridLayout* grid, int row, const SRowText& text, const std::vector<std::string>& items,
                      int column) {
    auto* list = new QComboBox;
    FillList(list, items, -1);
    list->setMinimumContentsLength(5);
    AddLabels(grid, row, column, text, list);
    return list;
}

CCommitEdit* AddEditRow(QGridLayout* grid, int row, const SRowText& text, int column) {
    auto* edit = new CCommitEdit;
    edit->setMaximumWidth(90);
    AddLabels(grid, row, column, text, edit);
    return edit;
}

void FillList(QComboBox* list, const std::vector<std::string>& items, int32_t selected) {
    list->clear();
    for (const std::string& item : items) {
        list->addItem(TranslatedText(KV310_MESSAGES, item.c_str()));
    }
    SelectIndex(list, selected);
}

void SelectIndex(QComboBox* list, int32_t index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

bool CommitField(CCommitEdit* edit, const SEditRule& rule, int32_t& member, CMessageSink& sink) {
    const SEditOutcome outcome = CheckEdit(rule, edit->text().toStdString(), member);
    member = outcome.m_nValue;
    edit->setText(QString::fromStdString(outcome.m_strText));
    if (!outcome.m_bAccepted) {
        edit->Refuse();
        sink.ShowMessage(rule.m_pszRefusal);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    return outcome.m_bAccepted;
}

void AlignColumn(const std::vector<QGridLayout*>& grids, int column) {
    int width = 0;
    for (QGridLayout* grid : grids) {
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0;
            int at = 0;
            int rows = 0;
            int columns = 0;
            grid->getItemPosition(i, &row, &at, &rows, &columns);
            if (at == column && columns == 1) {  // a control across several columns sets no width
                width = std::max(width, grid->itemAt(i)->sizeHint().width());
            }
        }
    }
    for (QGridLayout* grid : grids) {
        grid->setColumnMinimumWidth(column, width);
    }
}
