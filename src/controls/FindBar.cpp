// The find bar (see FindBar.h).
#include "controls/FindBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

namespace verdo {

namespace {

QToolButton* makeButton(QWidget* parent, const char* name, const QString& text,
                        const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName("findBar");
    auto* label = new QLabel(tr("Find:"), this);
    edFind_ = new QLineEdit(this);
    edFind_->setObjectName("edFind");
    edFind_->setClearButtonEnabled(true);
    label->setBuddy(edFind_);
    lblMatches_ = new QLabel(this);
    lblMatches_->setObjectName("lblMatches");
    lblMatches_->setMinimumWidth(fontMetrics().horizontalAdvance("00000 of 10000+"));
    auto* previous = makeButton(this, "btnFindPrevious", QStringLiteral("\u25B2"),
                                tr("Previous match (Shift+F3)"));
    auto* next = makeButton(this, "btnFindNext", QStringLiteral("\u25BC"), tr("Next match (F3)"));
    auto* close = makeButton(this, "btnFindClose", QStringLiteral("\u2715"), tr("Close (Escape)"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->addWidget(label);
    layout->addWidget(edFind_, 1);
    layout->addWidget(lblMatches_);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(close);

    connect(edFind_, &QLineEdit::textChanged, this, &FindBar::runSearch);
    connect(previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(close, &QToolButton::clicked, this, &FindBar::closeBar);
    edFind_->installEventFilter(this);
    hide();
}

void FindBar::setPane(RichPane* pane) {
    if (pane == pane_) return;
    clearMarks();
    disconnect(paneChanged_);
    pane_ = pane;
    if (pane_ == nullptr) return;
    // New and trimmed lines move the matches: search again once the batch of
    // lines is in.
    paneChanged_ = connect(pane_->document(), &QTextDocument::contentsChanged, this, [this] {
        if (!isVisible() || edFind_->text().isEmpty() || researchPending_) return;
        researchPending_ = true;
        QTimer::singleShot(0, this, [this] {
            researchPending_ = false;
            if (isVisible()) runSearch();
        });
    });
    if (isVisible()) runSearch();
}

void FindBar::open() {
    show();
    edFind_->setFocus(Qt::ShortcutFocusReason);
    edFind_->selectAll();
    runSearch();
}

void FindBar::findNext() {
    step(true);
}

void FindBar::findPrevious() {
    step(false);
}

void FindBar::step(bool forward) {
    if (!isVisible() || edFind_->text().isEmpty()) {
        open();
        return;
    }
    forward ? search_.next() : search_.previous();
    showCurrent();
}

void FindBar::closeBar() {
    const bool hadFocus = isAncestorOf(QApplication::focusWidget());
    hide();
    clearMarks();
    search_.clear();
    if (hadFocus && pane_ != nullptr) pane_->setFocus(Qt::OtherFocusReason);
}

void FindBar::runSearch() {
    if (pane_ == nullptr) return;
    const int from = search_.current() >= 0 ? search_.matches()[search_.current()].position : 0;
    search_.search(*pane_->document(), edFind_->text(), from);
    showCurrent();
}

void FindBar::showCurrent() {
    lblMatches_->setText(search_.status());
    if (pane_ != nullptr) pane_->showMatches(search_.matches(), search_.current());
}

void FindBar::clearMarks() {
    if (pane_ != nullptr) pane_->showMatches({}, -1);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edFind_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (key->key() == Qt::Key_Escape || enter) {
            // Taken here, so the window's own Escape (closing a whisper
            // window) and its default button stay out of it.
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                if (!enter) {
                    closeBar();
                } else {
                    step(!(key->modifiers() & Qt::ShiftModifier));
                }
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace verdo
