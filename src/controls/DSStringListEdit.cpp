// The list editor: the working lists are the truth; the list box mirrors them
// and every user action edits the lists first, then the rows.
#include "controls/DSStringListEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/AlignedLists.h"
#include "text/DisplayText.h"

namespace verdo {

TDSStringListEdit::TDSStringListEdit(QWidget* parent) : QFrame(parent) {
    lblMain_ = new QLabel(tr("Main Caption"), this);
    lblMain_->setObjectName("lblMain");
    lstItems_ = new QListWidget(this);
    lstItems_->setObjectName("lstItems");
    lblMain_->setBuddy(lstItems_);
    lblEdit_ = new QLabel(tr("Edit Label"), this);
    lblEdit_->setObjectName("lblEdit");
    edItem_ = new QLineEdit(this);
    edItem_->setObjectName("edItem");
    lblEdit_->setBuddy(edItem_);
    btnAdd_ = new QPushButton(tr("Add"), this);
    btnAdd_->setObjectName("btnAdd");
    btnDelete_ = new QPushButton(tr("Delete"), this);
    btnDelete_->setObjectName("btnDelete");
    btnClear_ = new QPushButton(tr("Clear"), this);
    btnClear_->setObjectName("btnClear");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAdd_);
    buttons->addWidget(btnDelete_);
    buttons->addWidget(btnClear_);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(lblMain_);
    left->addWidget(lstItems_, 1);
    left->addLayout(buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(lblEdit_);
    right->addWidget(edItem_);
    for (int i = 0; i < ResponseCount; ++i) {
        const QString number = QString::number(i + 1);
        lblResponse_[i] = new QLabel(tr("Label %1").arg(number), this);
        lblResponse_[i]->setObjectName("lblResponse" + number);
        cmResponse_[i] = new QComboBox(this);
        cmResponse_[i]->setObjectName("cmResponse" + number);
        cmResponse_[i]->setEditable(true);
        cmResponse_[i]->setInsertPolicy(QComboBox::NoInsert);
        lblResponse_[i]->setBuddy(cmResponse_[i]);
        right->addWidget(lblResponse_[i]);
        right->addWidget(cmResponse_[i]);
        connect(cmResponse_[i]->lineEdit(), &QLineEdit::textEdited, this,
                [this, i](const QString& text) { responseEdited(i, text); });
        connect(cmResponse_[i], &QComboBox::activated, this,
                [this, i](int row) { responseEdited(i, cmResponse_[i]->itemText(row)); });
    }
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    const QFontMetrics metrics = fontMetrics();
    setListWidth(metrics.averageCharWidth() * 24);
    setListHeight(metrics.height() * 10);

    connect(lstItems_, &QListWidget::itemSelectionChanged, this, [this] { showSelected(); });
    connect(edItem_, &QLineEdit::textEdited, this, &TDSStringListEdit::entryEdited);
    connect(btnAdd_, &QPushButton::clicked, this, &TDSStringListEdit::addClick);
    connect(btnDelete_, &QPushButton::clicked, this, &TDSStringListEdit::deleteClick);
    connect(btnClear_, &QPushButton::clicked, this, &TDSStringListEdit::clearRequested);
}

TDSStringListEdit::~TDSStringListEdit() = default;

void TDSStringListEdit::setMainCaption(const QString& caption) {
    lblMain_->setText(caption);
}

QString TDSStringListEdit::mainCaption() const {
    return lblMain_->text();
}

void TDSStringListEdit::setEditCaption(const QString& caption) {
    lblEdit_->setText(caption);
}

QString TDSStringListEdit::editCaption() const {
    return lblEdit_->text();
}

void TDSStringListEdit::setResponseCaption(int index, const QString& caption) {
    lblResponse_.at(static_cast<std::size_t>(index))->setText(caption);
}

QString TDSStringListEdit::responseCaption(int index) const {
    return lblResponse_.at(static_cast<std::size_t>(index))->text();
}

void TDSStringListEdit::setPresets(int index, const QStringList& presets) {
    QComboBox* box = cmResponse_.at(static_cast<std::size_t>(index));
    const QString shown = box->currentText();
    box->clear();
    box->addItems(presets);
    box->setEditText(shown);
}

QStringList TDSStringListEdit::presets(int index) const {
    const QComboBox* box = cmResponse_.at(static_cast<std::size_t>(index));
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void TDSStringListEdit::setMultiList(bool on) {
    multiList_ = on;
    for (int i = 0; i < ResponseCount; ++i) {
        lblResponse_[i]->setVisible(on);
        cmResponse_[i]->setVisible(on);
    }
}

void TDSStringListEdit::setListWidth(int width) {
    lstItems_->setFixedWidth(width);
}

int TDSStringListEdit::listWidth() const {
    return lstItems_->width();
}

void TDSStringListEdit::setListHeight(int height) {
    lstItems_->setMinimumHeight(height);
}

int TDSStringListEdit::listHeight() const {
    return lstItems_->minimumHeight();
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
    const QList<QListWidgetItem*> selected = lstItems_->selectedItems();
    return selected.isEmpty() ? -1 : lstItems_->row(selected.first());
}

void TDSStringListEdit::rebuildRows() {
    filling_ = true;
    lstItems_->clear();
    for (const std::string& entry : entries_)
        lstItems_->addItem(displayText(entry));
    filling_ = false;
    showSelected();
}

void TDSStringListEdit::showSelected() {
    if (filling_) return;
    filling_ = true;
    const int row = selectedRow();
    const auto index = static_cast<std::size_t>(row);
    edItem_->setText(row < 0 ? QString() : displayText(entries_[index]));
    for (std::size_t n = 0; n < cmResponse_.size(); ++n) {
        const bool shown = row >= 0 && multiList_;
        cmResponse_[n]->setEditText(shown ? displayText(responses_[n][index]) : QString());
    }
    if (row >= 0) {
        edItem_->setFocus();
        edItem_->selectAll();
    }
    filling_ = false;
}

void TDSStringListEdit::entryEdited(const QString& text) {
    const int row = selectedRow();
    if (row < 0) {
        edItem_->clear();
        return;
    }
    group().setEntry(static_cast<std::size_t>(row), typedBytes(text));
    lstItems_->item(row)->setText(text);
    emit changed();
}

void TDSStringListEdit::responseEdited(int index, const QString& text) {
    const int row = selectedRow();
    QComboBox* box = cmResponse_[static_cast<std::size_t>(index)];
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
    lstItems_->addItem(displayText(entries_[index]));
    filling_ = false;
    lstItems_->setCurrentRow(static_cast<int>(index));
    lstItems_->item(static_cast<int>(index))->setSelected(true);
    showSelected();
    emit changed();
}

void TDSStringListEdit::deleteClick() {
    const int row = selectedRow();
    if (row < 0) return;
    group().remove(static_cast<std::size_t>(row));
    filling_ = true;
    delete lstItems_->takeItem(row);
    lstItems_->setCurrentRow(-1);
    lstItems_->clearSelection();
    filling_ = false;
    showSelected();
    emit changed();
}

void TDSStringListEdit::clearAll() {
    group().clear();
    for (tStringList& alternative : responses_)
        alternative.clear();
    rebuildRows();
    emit changed();
}

}  // namespace verdo
