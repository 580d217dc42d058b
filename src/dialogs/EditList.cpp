// The custom list's reorder window (see EditList.h).
#include "dialogs/EditList.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "dialogs/DialogBoxes.h"
#include "dialogs/DialogHost.h"
#include "text/DisplayText.h"

namespace verdo {

TfrmEditList::TfrmEditList(std::vector<std::string> names, DialogHost& host, QWidget* parent)
    : QDialog(parent), names_(std::move(names)), host_(host) {
    setObjectName("frmEditList");
    setWindowTitle(tr("Reorder List"));

    lstCustom = new QListWidget(this);
    lstCustom->setObjectName("lstCustom");
    lstCustom->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& name : names_)
        lstCustom->addItem(displayText(name));
    lstCustom->setMinimumSize(fontMetrics().averageCharWidth() * 28,
                              fontMetrics().lineSpacing() * 14);

    btnUp = dialogButton(tr("Move User Up"), "btnUp", this);
    btnUp->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    btnUp->setToolTip(btnUp->shortcut().toString(QKeySequence::NativeText));
    btnDown = dialogButton(tr("Move User Down"), "btnDown", this);
    btnDown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    btnDown->setToolTip(btnDown->shortcut().toString(QKeySequence::NativeText));
    btnOk = dialogButton(tr("&Ok"), "btnOk", this);
    btnOk->setDefault(true);
    btnCancel = dialogButton(tr("&Cancel"), "btnCancel", this);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnUp);
    buttons->addWidget(btnDown);
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstCustom, 1);
    layout->addLayout(buttons);

    connect(btnUp, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    if (!names_.empty()) lstCustom->setCurrentRow(0);
    lstCustom->setFocus();
}

void TfrmEditList::moveSelected(int step) {
    const QList<QListWidgetItem*> selected = lstCustom->selectedItems();
    if (selected.isEmpty()) return;
    const int row = lstCustom->row(selected.front());
    const int other = row + step;
    if (other < 0 || other >= lstCustom->count()) return;
    std::swap(names_[static_cast<std::size_t>(row)], names_[static_cast<std::size_t>(other)]);
    lstCustom->insertItem(other, lstCustom->takeItem(row));
    lstCustom->setCurrentRow(other, QItemSelectionModel::ClearAndSelect);
    host_.markModified();
}

std::optional<std::vector<std::string>> TfrmEditList::ReorderCustomList(
    const std::vector<std::string>& names, DialogHost& host, QWidget* parent) {
    TfrmEditList dialog(names, host, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.names();
}

}  // namespace verdo
