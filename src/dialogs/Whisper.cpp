// The whisper window: pane, entry line with history, Send, the pane's pop-up
// menu and the size lock while minimised.
#include "dialogs/Whisper.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "controls/FindBar.h"
#include "controls/OptionsStyle.h"
#include "controls/TabEdit.h"
#include "dialogs/DialogBoxes.h"
#include "dialogs/DialogHost.h"
#include "protocol/ProtocolLines.h"
#include "records/Options.h"
#include "text/DisplayText.h"
#include "text/PlainWindowTitle.h"

namespace verdo {

namespace {

void setColors(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

}  // namespace

TfrmWhisper::TfrmWhisper(const std::string& user, const tOptions& options, DialogHost& host)
    : QWidget(nullptr, Qt::Window), user_(user), options_(options), host_(host) {
    setObjectName("frmWhisper");
    setWindowTitle(plainWindowTitle(displayText(user)));

    scWhisper = new RichPane(this);
    scWhisper->setObjectName("scWhisper");
    scWhisper->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The selection stays visible while another control has the focus.
    QPalette panePalette = scWhisper->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        panePalette.setColor(QPalette::Inactive, role, panePalette.color(QPalette::Active, role));
    }
    scWhisper->setPalette(panePalette);

    pmWhisper = new QMenu(this);
    pmWhisper->setObjectName("pmWhisper");
    mnClear = pmWhisper->addAction(tr("&Clear"), scWhisper, &RichPane::clear);
    mnClear->setObjectName("mnClear");
    mnSave = pmWhisper->addAction(tr("&Save to File..."), this, &TfrmWhisper::mnSaveClick);
    mnSave->setObjectName("mnSave");
    scWhisper->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(scWhisper, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmWhisper->popup(scWhisper->viewport()->mapToGlobal(at)); });

    edWEnter = new TTabEdit(this);
    edWEnter->setObjectName("edWEnter");
    connect(edWEnter, &TTabEdit::enterPressed, this, &TfrmWhisper::btnSendClick);
    btnSend = new QPushButton(tr("&Send"), this);
    btnSend->setObjectName("btnSend");
    btnSend->setToolTip(tr("Send message to user"));
    btnSend->setDefault(true);
    connect(btnSend, &QPushButton::clicked, this, &TfrmWhisper::btnSendClick);

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(edWEnter, 1);
    entryRow->addWidget(btnSend);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scWhisper, 1);
    findBar = new FindBar(this);
    findBar->setPane(scWhisper);
    layout->addWidget(findBar);
    layout->addLayout(entryRow);
    setTabOrder(edWEnter, btnSend);
    setTabOrder(btnSend, scWhisper);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    const std::pair<QKeySequence, void (FindBar::*)()> findKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), &FindBar::open},
        {QKeySequence(Qt::Key_F3), &FindBar::findNext},
        {QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindBar::findPrevious},
    };
    for (const auto& [keys, run] : findKeys)
        connect(new QShortcut(keys, this), &QShortcut::activated, findBar, run);

    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 60, metrics.height() * 18);
    ApplyAppearance();
}

void TfrmWhisper::ApplyAppearance() {
    const QPalette& base = palette();
    setColors(scWhisper, toQColor(options_.whisperBackground(), base),
              toQColor(options_.whisperColor(), base));
    setColors(edWEnter, toQColor(options_.entryBackground(), base),
              toQColor(options_.entryColor(), base));
    scWhisper->setFont(toQFont(options_.whisperFont()));
}

void TfrmWhisper::addLine(std::span<const PaneSegment> segments) {
    QTextDocument* document = scWhisper->document();
    const bool cleared = document->isEmpty() && scWhisper->lineCount() > 0;
    scWhisper->appendLine(segments, toQFont(options_.whisperFont()));
    // After "&Clear" the pane still believes it holds a line and starts the
    // next one on a new line: the empty one above it goes.
    if (cleared && document->blockCount() > 1 && document->firstBlock().length() == 1) {
        QTextCursor(document->firstBlock()).deleteChar();
    }
}

void TfrmWhisper::btnSendClick() {
    const QString text = edWEnter->entryText();
    emit lineToSend(msgLine(user_, typedBytes(text)) + '\r');
    edWEnter->addToHistory(text);
    edWEnter->setEditText(QString());
    focusEntry();
}

void TfrmWhisper::mnSaveClick() {
    const std::optional<QString> path =
        host_.chooseSaveFile(this, {QString(), QString(), tr("Text Files (*.txt)"), "txt"});
    if (path && !scWhisper->saveText(path->toStdString())) showError(this, "Unable to save file");
}

void TfrmWhisper::focusEntry() {
    edWEnter->setFocus();
    if (QLineEdit* line = edWEnter->lineEdit()) {
        line->deselect();
        line->end(false);
    }
}

bool TfrmWhisper::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) focusEntry();
    // What comes in while the person is elsewhere shows below this line.
    if (event->type() == QEvent::WindowDeactivate) scWhisper->setMarker();
    return QWidget::event(event);
}

void TfrmWhisper::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) lockSize(isMinimized());
    QWidget::changeEvent(event);
}

void TfrmWhisper::lockSize(bool locked) {
    if (locked == !resizeAllowed_) return;
    resizeAllowed_ = !locked;
    if (locked) {
        minimumBeforeLock_ = minimumSize();
        maximumBeforeLock_ = maximumSize();
        setFixedSize(size());
    } else {
        setMinimumSize(minimumBeforeLock_);
        setMaximumSize(maximumBeforeLock_);
    }
}

void TfrmWhisper::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed(this);
    deleteLater();
}

}  // namespace verdo
