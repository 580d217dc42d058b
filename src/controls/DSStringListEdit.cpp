// The list editor: the working lists are the truth; the list box mirrors them
// and every user action edits the lists first, then the rows.
#include "controls/DSStringListEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/AlignedLists.h"
#include "text/DisplayText.h"

namespace verdo {

TDSStringListEdit::TDSStringListEdit(QWidget* parent) : QFrame(parent) {
    lblMain = new QLabel(tr("Main Caption"), this);
    lblMain->setObjectName("lblMain");
    lstItems = new QListWidget(this);
    lstItems->setObjectName("lstItems");
    lblMain->setBuddy(lstItems);
    lblEdit = new QLabel(tr("Edit Label"), this);
    lblEdit->setObjectName("lblEdit");
    edItem = new QLineEdit(this);
    edItem->setObjectName("edItem");
    lblEdit->setBuddy(edItem);
    btnAdd = new QPushButton(tr("Add"), this);
    btnAdd->setObjectName("btnAdd");
    btnDelete = new QPushButton(tr("Delete"), this);
    btnDelete->setObjectName("btnDelete");
    btnClear = new QPushButton(tr("Clear"), this);
    btnClear->setObjectName("btnClear");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnDelete);
    buttons->addWidget(btnClear);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(lblMain);
    left->addWidget(lstItems, 1);
    left->addLayout(buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(lblEdit);
    right->addWidget(edItem);
    for (int i = 0; i < ResponseCount; ++i) {
        const QString number = QString::number(i + 1);
        lblResponse[i] = new QLabel(tr("Label %1").arg(number), this);
        lblResponse[i]->setObjectName("lblResponse" + number);
        cmResponse[i] = new QComboBox(this);
        cmResponse[i]->setObjectName("cmResponse" + number);
        cmResponse[i]->setEditable(true);
        cmResponse[i]->setInsertPolicy(QComboBox::NoInsert);
        lblResponse[i]->setBuddy(cmResponse[i]);
        right->addWidget(lblResponse[i]);
        right->addWidget(cmResponse[i]);
        connect(cmResponse[i]->lineEdit(), &QLineEdit::textEdited, this,
                [this, i](const QString& text) { responseEdited(i, text); });
        connect(cmResponse[i], &QComboBox::activated, this,
                [this, i](int row) { responseEdited(i, cmResponse[i]->itemText(row)); });
    }
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    const QFontMetrics metrics = fontMetrics();
    setListWidth(metrics.averageCharWidth() * 24);
    setListHeight(metrics.height() * 10);

    connect(lstItems, &QListWidget::itemSelectionChanged, this, [this] { showSelected(); });
    connect(edItem, &QLineEdit::textEdited, this, &TDSStringListEdit::entryEdited);
    connect(btnAdd, &QPushButton::clicked, this, &TDSStringListEdit::addClick);
    connect(btnDelete, &QPushButton::clicked, this, &TDSStringListEdit::deleteClick);
    connect(btnClear, &QPushButton::clicked, this, &TDSStringListEdit::clearClick);
}

TDSStringListEdit::~TDSStringListEdit() = default;

void TDSStringListEdit::setMainCaption(const QString& caption) {
    lblMain->setText(caption);
}

QString TDSStringListEdit::mainCaption() const {
    return lblMain->text();
}

void TDSStringListEdit::setEditCaption(const QString& caption) {
    lblEdit->setText(caption);
}

QString TDSStringListEdit::editCaption() const {
    return lblEdit->text();
}

void TDSStringListEdit::setResponseCaption(int index, const QString& caption) {
    lblResponse.at(static_cast<std::size_t>(index))->setText(caption);
}

QString TDSStringListEdit::responseCaption(int index) const {
    return lblResponse.at(static_cast<std::size_t>(index))->text();
}

void TDSStringListEdit::setPresets(int index, const QStringList& presets) {
    QComboBox* box = cmResponse.at(static_cast<std::size_t>(index));
    const QString shown = box->currentText();
    box->clear();
    box->addItems(presets);
    box->setEditText(shown);
}

QStringList TDSStringListEdit::presets(int index) const {
    const QComboBox* box = cmResponse.at(static_cast<std::size_t>(index));
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void TDSStringListEdit::setMultiList(bool on) {
    multiList_ = on;
    for (int i = 0; i < ResponseCount; ++i) {
        lblResponse[i]->setVisible(on);
        cmResponse[i]->setVisible(on);
    }
}

void TDSStringListEdit::setListWidth(int width) {
    lstItems->setFixedWidth(width);
}

int TDSStringListEdit::listWidth() const {
    return lstItems->width();
}

void TDSStringListEdit::setListHeight(int height) {
    lstItems->setMinimumHeight(height);
}

int TDSStringListEdit::listHeight() const {
    return lstItems->minimumHeight();
}

void TDSStringListEdit::setLists(const tStringList& entries, const tResponseLists& responses) {
    entries_ = entries;
    responses_ = responses;
    group();  // pads the responses to the entries
    rebuildRows();
}

// With the multi-list switch off the response lists take no part in edits.
AlignedLists TDSStringListEdit::group() {
    if (!multiList_) return AlignedLists(entries_, {});
    return AlignedLists(entries_, {&responses_[0], &responses_[1], &responses_[2]});
}

int TDSStringListEdit::selectedRow() const {
    const QList<QListWidgetItem*> selected = lstItems->selectedItems();
    return selected.isEmpty() ? -1 : lstItems->row(selected.first());
}

void TDSStringListEdit::rebuildRows() {
    filling_ = true;
    lstItems->clear();
    for (const std::string& entry : entries_)
        lstItems->addItem(displayText(entry));
    filling_ = false;
    showSelected();
}

void TDSStringListEdit::showSelected() {
    if (filling_) return;
    filling_ = true;
    const int row = selectedRow();
    const auto index = static_cast<std::size_t>(row);
    edItem->setText(row < 0 ? QString() : displayText(entries_[index]));
    for (std::size_t n = 0; n < cmResponse.size(); ++n) {
        const bool shown = row >= 0 && multiList_;
        cmResponse[n]->setEditText(shown ? displayText(responses_[n][index]) : QString());
    }
    if (row >= 0) {
        edItem->setFocus();
        edItem->selectAll();
    }
    filling_ = false;
}

void TDSStringListEdit::entryEdited(const QString& text) {
    const int row = selectedRow();
    if (row < 0) {
        edItem->clear();
        return;
    }
    group().setEntry(static_cast<std::size_t>(row), typedBytes(text));
    lstItems->item(row)->setText(text);
    emit changed();
}

void TDSStringListEdit::responseEdited(int index, const QString& text) {
    const int row = selectedRow();
    QComboBox* box = cmResponse[static_cast<std::size_t>(index)];
    if (row < 0) {
        box->setEditText(QString());
        return;
    }
    box->setEditText(text);
    group().setValue(static_cast<std::size_t>(index), static_cast<std::size_t>(row),
                     typedBytes(text));
    emit changed();
}

void TDSStringListEdit::addClick() {
    const std::size_t index =
        group().append(newEntryText_, {newResponseText_, newResponseText_, newResponseText_});
    filling_ = true;
    lstItems->addItem(displayText(entries_[index]));
    filling_ = false;
    lstItems->setCurrentRow(static_cast<int>(index));
    lstItems->item(static_cast<int>(index))->setSelected(true);
    showSelected();
    emit changed();
}

void TDSStringListEdit::deleteClick() {
    const int row = selectedRow();
    if (row < 0) return;
    group().remove(static_cast<std::size_t>(row));
    filling_ = true;
    delete lstItems->takeItem(row);
    lstItems->setCurrentRow(-1);
    lstItems->clearSelection();
    filling_ = false;
    showSelected();
    emit changed();
}

void TDSStringListEdit::clearClick() {
    if (QMessageBox::question(this, tr("Confirm"),
                              tr("Are you sure you want to clear all entries?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    group().clear();
    for (tStringList& alternative : responses_)
        alternative.clear();
    rebuildRows();
    emit changed();
}

}  // namespace verdo
