// The user information window. It edits the live user list: every field writes
// into the record at the edited index at once, never while the fields are being
// filled from a record.
#include "dialogs/Users.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <memory>

#include "controls/ColorSwatch.h"
#include "controls/PlainLabel.h"
#include "dialogs/DialogBoxes.h"
#include "dialogs/DialogHost.h"
#include "protocol/ProtocolLines.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

constexpr std::string_view NoSound = "None";

// Notes keep Windows line ends in the record; the field shows plain ones.
QString notesText(const std::string& bytes) {
    QString text = displayText(bytes);
    text.replace("\r\n", "\n").replace('\r', '\n');
    return text;
}

std::string notesBytes(const QString& text) {
    std::string bytes;
    for (const char c : typedBytes(text)) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

// How many record bytes the text takes: a line end takes two.
qsizetype storedLength(const QString& text) {
    return text.size() + text.count('\n');
}

QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    return frame;
}

}  // namespace

TfrmUsers::TfrmUsers(tUserList& users, DialogHost& host, QWidget* parent)
    : QDialog(parent), users_(users), host_(host) {
    setObjectName("frmUsers");
    setWindowTitle("User Information");
    setModal(false);
    build();
    sounds_ = {SoundField{edJoinSound, &tUser::JoinSound, &tUser::setJoinSound},
               SoundField{edLeaveSound, &tUser::LeaveSound, &tUser::setLeaveSound}};
    colors_ = {ColorField{pnlNameColor, &tUser::NameColor, &tUser::setNameColor},
               ColorField{pnlTextColor, &tUser::TextColor, &tUser::setTextColor},
               ColorField{pnlWhisperColor, &tUser::WhisperColor, &tUser::setWhisperColor}};
    const std::array<std::pair<QPushButton*, QPushButton*>, 2> soundButtons{
        {{btnJoinSound, btnJoinNone}, {btnLeaveSound, btnLeaveNone}}};
    for (std::size_t i = 0; i < sounds_.size(); ++i) {
        const SoundField& field = sounds_[i];
        connect(soundButtons[i].first, &QPushButton::clicked, this,
                [this, &field] { chooseSound(field); });
        connect(soundButtons[i].second, &QPushButton::clicked, this,
                [this, &field] { clearSound(field); });
    }
    for (const ColorField& field : colors_) {
        bindColorChooser(field.swatch, host_);
        connect(field.swatch, &TColorSwatch::colorChosen, this,
                [this, &field](std::uint32_t color) { colorChosen(field, color); });
    }
    connect(cmUser, &QComboBox::currentIndexChanged, this, &TfrmUsers::showRecord);
    connect(mNotes, &QPlainTextEdit::textChanged, this, &TfrmUsers::mNotesChange);
    connect(edGreeting, &QComboBox::editTextChanged, this, &TfrmUsers::edGreetingChange);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmUsers::btnAddClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmUsers::btnDeleteClick);
    connect(btnClear, &QPushButton::clicked, this, &TfrmUsers::btnClearClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmUsers::close);
    bindHelp(this, btnHelp, host_, "User Information Screen  ");
    showEmpty();
}

std::string TfrmUsers::shownName() const {
    return typedBytes(cmUser->currentText());
}

void TfrmUsers::build() {
    const int charWidth = fontMetrics().averageCharWidth();

    cmUser = new QComboBox(this);
    cmUser->setObjectName("cmUser");
    cmUser->setMaxVisibleItems(15);
    cmUser->setMinimumWidth(charWidth * 24);
    btnAdd = dialogButton("&Add", "btnAdd", this);
    btnDelete = dialogButton("&Delete", "btnDelete", this);
    btnClear = dialogButton("&Clear", "btnClear", this);
    auto* top = new QHBoxLayout;
    top->addWidget(new TPlainLabel("User Name:", this));
    top->addWidget(cmUser, 1);
    top->addWidget(btnAdd);
    top->addWidget(btnDelete);
    top->addWidget(btnClear);

    pnlNotes = panel(this, "pnlNotes");
    mNotes = new QPlainTextEdit(pnlNotes);
    mNotes->setObjectName("mNotes");
    mNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mNotes->setTabChangesFocus(true);
    mNotes->setMinimumHeight(fontMetrics().lineSpacing() * 5);
    edGreeting = new QComboBox(pnlNotes);
    edGreeting->setObjectName("edGreeting");
    edGreeting->setEditable(true);
    edGreeting->setInsertPolicy(QComboBox::NoInsert);
    edGreeting->lineEdit()->setMaxLength(static_cast<int>(tUser::GreetingCapacity));
    edGreeting->setMinimumWidth(charWidth * 48);
    auto* notes = new QGridLayout(pnlNotes);
    notes->addWidget(new TPlainLabel("Notes:", pnlNotes), 0, 0, Qt::AlignTop);
    notes->addWidget(mNotes, 0, 1);
    notes->addWidget(new TPlainLabel("Greeting/Action:", pnlNotes), 1, 0);
    notes->addWidget(edGreeting, 1, 1);
    notes->setColumnStretch(1, 1);

    pnlSounds = panel(this, "pnlSounds");
    auto* sounds = new QGridLayout(pnlSounds);
    struct SoundRow {
        const char* caption;
        QLineEdit*& edit;
        QPushButton*& change;
        QPushButton*& none;
        const char* names[3];
    };
    const SoundRow rows[] = {{"User Join Sound:",
                              edJoinSound,
                              btnJoinSound,
                              btnJoinNone,
                              {"edJoinSound", "btnJoinSound", "btnJoinNone"}},
                             {"User Leave Sound:",
                              edLeaveSound,
                              btnLeaveSound,
                              btnLeaveNone,
                              {"edLeaveSound", "btnLeaveSound", "btnLeaveNone"}}};
    int row = 0;
    for (const SoundRow& sound : rows) {
        sound.edit = new QLineEdit(pnlSounds);
        sound.edit->setObjectName(sound.names[0]);
        sound.edit->setReadOnly(true);
        sound.change = dialogButton("Change...", sound.names[1], pnlSounds);
        sound.none = dialogButton("None", sound.names[2], pnlSounds);
        sounds->addWidget(new TPlainLabel(sound.caption, pnlSounds), row, 0);
        sounds->addWidget(sound.edit, row, 1);
        sounds->addWidget(sound.change, row, 2);
        sounds->addWidget(sound.none, row, 3);
        ++row;
    }
    sounds->setColumnStretch(1, 1);

    pnlColors = panel(this, "pnlColors");
    auto* colors = new QHBoxLayout(pnlColors);
    const std::array<std::pair<const char*, const char*>, 3> swatches{{
        {"Name Color:", "pnlNameColor"},
        {"Text Color:", "pnlTextColor"},
        {"Whisper Color:", "pnlWhisperColor"},
    }};
    TColorSwatch** targets[] = {&pnlNameColor, &pnlTextColor, &pnlWhisperColor};
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        auto* swatch = new TColorSwatch(pnlColors);
        swatch->setObjectName(swatches[i].second);
        *targets[i] = swatch;
        colors->addWidget(new TPlainLabel(swatches[i].first, pnlColors));
        colors->addWidget(swatch);
        colors->addStretch();
    }

    btnExit = new QPushButton("E&xit", this);
    btnExit->setObjectName("btnExit");
    btnExit->setDefault(true);
    btnHelp = dialogButton("&Help", "btnHelp", this);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnExit);
    bottom->addWidget(btnHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pnlNotes, 1);
    layout->addWidget(pnlSounds);
    layout->addWidget(pnlColors);
    layout->addLayout(bottom);

    setTabChain({cmUser, btnAdd, btnDelete, btnClear, mNotes, edGreeting, btnJoinSound, btnJoinNone,
                 btnLeaveSound, btnLeaveNone, pnlNameColor, pnlTextColor, pnlWhisperColor, btnExit,
                 btnHelp});
}

void TfrmUsers::ShowUserInfo(const std::string& name) {
    show();
    raise();
    activateWindow();
    Refill(name);
}

void TfrmUsers::Refill(const std::string& name) {
    {
        // A list emptied since the last fill (another chat file) leaves no
        // names behind, or "&Add" would show one record and edit another.
        const QSignalBlocker blocker(cmUser);
        cmUser->clear();
    }
    if (users_.Count() == 0) {
        showEmpty();
        return;
    }
    users_.Sort();
    {
        const QSignalBlocker blocker(cmUser);
        for (int i = 0; i < users_.Count(); ++i)
            cmUser->addItem(displayText(users_.Items(i)->Name()));
        cmUser->setCurrentIndex(std::max(users_.IndexOfName(name), 0));
    }
    setEditing(true);
    showRecord(cmUser->currentIndex());
}

void TfrmUsers::EmptyAndClose() {
    {
        const QSignalBlocker blocker(cmUser);
        cmUser->clear();
    }
    showEmpty();
    hide();
}

tUser* TfrmUsers::current() const {
    return users_.Items(edited_);
}

void TfrmUsers::showRecord(int index) {
    edited_ = index;
    loading_ = true;
    const tUser* user = current();
    if (user == nullptr) {
        showEmpty();
        return;
    }
    const std::string name = user->Name();
    edGreeting->clear();
    for (const char* command : {MsgPrefix, SquelchPrefix, BanPrefix, KickPrefix, DesignatePrefix})
        edGreeting->addItem(displayText(command + name + " "));
    edGreeting->addItem(displayText("/stats " + name + " star"));
    edGreeting->addItem(displayText("/stats " + name + " sexp"));
    mNotes->setPlainText(notesText(user->Notes()));
    for (const SoundField& field : sounds_)
        field.edit->setText(displayText((user->*field.get)()));
    edGreeting->setEditText(displayText(user->Greeting()));
    for (const ColorField& field : colors_)
        field.swatch->setColor((user->*field.get)());
    loading_ = false;
}

// No record: blank fields and everything that edits one disabled. The
// loading flag stays on until a record is shown again.
void TfrmUsers::showEmpty() {
    edited_ = -1;
    loading_ = true;
    mNotes->clear();
    edGreeting->clear();
    edGreeting->clearEditText();
    for (const SoundField& field : sounds_)
        field.edit->setText(QString::fromLatin1(NoSound));
    for (const ColorField& field : colors_)
        field.swatch->setColor(0);
    setEditing(false);
}

void TfrmUsers::setEditing(bool enabled) {
    for (QWidget* widget : std::initializer_list<QWidget*>{pnlNotes, pnlSounds, pnlColors, cmUser,
                                                           btnDelete, btnClear})
        widget->setEnabled(enabled);
}

void TfrmUsers::changed() {
    host_.markModified();
}

// The list may have gained records from the main window while the window was
// in the background; coming back shows them.
void TfrmUsers::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || users_.Count() == 0)
        return;
    if (cmUser->count() != users_.Count()) {
        const tUser* user = current();
        Refill(user != nullptr ? user->Name() : std::string());
    } else {
        setEditing(true);
    }
}

void TfrmUsers::mNotesChange() {
    tUser* user = current();
    if (loading_ || user == nullptr) return;
    QString text = mNotes->toPlainText();
    if (storedLength(text) > static_cast<qsizetype>(tUser::TextCapacity)) {
        while (storedLength(text) > static_cast<qsizetype>(tUser::TextCapacity))
            text.chop(1);
        const QSignalBlocker blocker(mNotes);
        mNotes->setPlainText(text);
        mNotes->moveCursor(QTextCursor::End);
    }
    user->setNotes(notesBytes(text));
    changed();
}

void TfrmUsers::edGreetingChange(const QString& text) {
    tUser* user = current();
    if (loading_ || user == nullptr) return;
    user->setGreeting(typedBytes(text));
    changed();
}

void TfrmUsers::chooseSound(const SoundField& field) {
    const std::optional<QString> path = host_.chooseOpenFile(
        this, {"Select Sound...", host_.soundFolder(), "Sound Files (*.wav)", "wav"});
    tUser* user = current();
    if (!path || user == nullptr) return;
    const std::string stored = storedPath(*path);
    // A cut path would name another file, or none.
    if (stored.size() > tUser::TextCapacity) {
        showError(this, "The path of this sound is longer than 255 characters.");
        return;
    }
    (user->*field.set)(stored);
    field.edit->setText(*path);
    changed();
}

void TfrmUsers::clearSound(const SoundField& field) {
    tUser* user = current();
    if (user == nullptr) return;
    (user->*field.set)(NoSound);
    field.edit->setText(QString::fromLatin1(NoSound));
    changed();
}

void TfrmUsers::colorChosen(const ColorField& field, std::uint32_t color) {
    tUser* user = current();
    if (user == nullptr) return;
    (user->*field.set)(color);
    changed();
}

void TfrmUsers::btnAddClick() {
    QInputDialog input(this);
    input.setObjectName("InputBox");
    input.setWindowTitle("New Entry");
    input.setLabelText("Enter the name of the new user:");
    if (input.exec() != QDialog::Accepted || input.textValue().isEmpty()) return;
    auto user = std::make_unique<tUser>();
    user->setName(typedBytes(input.textValue()));
    const QString shown = displayText(user->Name());
    const int index = users_.Add(std::move(user));
    {
        const QSignalBlocker blocker(cmUser);
        cmUser->addItem(shown);
        cmUser->setCurrentIndex(cmUser->count() - 1);
    }
    setEditing(true);
    showRecord(index);
    changed();
}

void TfrmUsers::btnDeleteClick() {
    const tUser* user = current();
    if (user == nullptr || !askYesNo(this, "Are you sure you want to delete " + user->Name() + "?"))
        return;
    const int index = edited_;
    users_.Delete(index);
    {
        const QSignalBlocker blocker(cmUser);
        cmUser->removeItem(index);
        cmUser->setCurrentIndex(cmUser->count() > 0 ? 0 : -1);
    }
    showRecord(cmUser->currentIndex());
    changed();
}

void TfrmUsers::btnClearClick() {
    if (!askYesNo(this, "Are you sure you want to ALL user information?")) return;
    users_.Clear();
    {
        const QSignalBlocker blocker(cmUser);
        cmUser->clear();
    }
    showEmpty();
    changed();
}

}  // namespace verdo
