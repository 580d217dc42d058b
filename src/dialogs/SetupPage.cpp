// The configuration dialog's tab pages: the modified rule, the option
// switches and list editors with their captions, texts and presets, and the
// small labels the pages share.
#include "dialogs/SetupPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <stdexcept>

#include "controls/DSStringListEdit.h"
#include "dialogs/DialogBoxes.h"
#include "engine/ListEditing.h"
#include "records/OptionFields.h"
#include "text/DisplayText.h"

namespace verdo {

// A list editor: its name, the chat-file list it edits (whose caption it
// shows), its edit caption, new-entry texts, multi-list, presets and the
// working lists it shows.
struct SetupListEdit {
    std::string_view name;
    std::string_view list;
    const char* editCaption;
    const char* newEntry;
    const char* newResponse;
    bool multiList;
    int presets;  // 0 none, 1 list A, 2 list B
    tStringList ChatLists::*entries;
    tResponseLists ChatLists::*responses;  // null when it has none
};

namespace {

constexpr std::array<SetupListEdit, 7> ListEdits = {{
    {"slOwners", "owners", "Edit Owner Name:", "New User", "New", false, 0, &ChatLists::OwnerList,
     nullptr},
    {"slMembers", "members", "Edit Member Name:", "New User", "New", false, 0,
     &ChatLists::MemberList, nullptr},
    {"slPhrase", "phrases", "Edit Phrase:", "New Phrase", "New Response", true, 1,
     &ChatLists::PhraseList, &ChatLists::PhraseRes},
    {"slWhisper", "whispers", "Edit Whisper:", "New Whisper", "New Response", true, 1,
     &ChatLists::WhisperList, &ChatLists::WhiserRes},
    {"slUserJoin", "joins", "Edit User Name:", "New User", "New Response", true, 2,
     &ChatLists::UserJoinList, &ChatLists::UserRes},
    {"slBan", "bans", "Edit User Name:", "New", "New", false, 0, &ChatLists::BanList, nullptr},
    {"slNoBan", "exceptions", "Edit User Name:", "New", "New", false, 0, &ChatLists::NoBanList,
     nullptr},
}};
const QStringList PresetsA = {"/msg <user> ",     "/squelch <user>", "/unsquelch <user>",
                              "/kick <user> ",    "/ban <user> ",    "/unban <user>",
                              "/designate <user>"};
const QStringList PresetsB = {"/msg <user> ", "/squelch <user>", "/kick <user>", "/ban <user>",
                              "/designate <user>"};

}  // namespace

SetupPage::SetupPage(SetupValues& values) : values_(values) {}

SetupPage::~SetupPage() = default;

void SetupPage::fill() {
    filling_ = true;
    const tOptions& options = values_.options;
    const ChatLists& lists = values_.lists;
    for (const auto& [entry, box] : switches_)
        box->setChecked(entry->isOn(options.data()));
    for (const auto& [entry, edit] : listEdits_)
        edit->setLists(lists.*entry->entries,
                       entry->responses != nullptr ? lists.*entry->responses : tResponseLists{});
    fillFields();
    filling_ = false;
}

void SetupPage::store() {
    tOptions& options = values_.options;
    ChatLists& lists = values_.lists;
    for (const auto& [entry, box] : switches_)
        entry->setOn(options.data(), box->isChecked());
    for (const auto& [entry, edit] : listEdits_) {
        lists.*entry->entries = edit->entries();
        if (entry->responses != nullptr) lists.*entry->responses = edit->responses();
    }
    storeFields();
}

void SetupPage::markModified() {
    if (!filling_) values_.modified = true;
}

const OptionField& SetupPage::field(std::string_view control) {
    const std::span<const OptionField> rows = OptionFields::options();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const OptionField& f) { return f.control == control; });
    if (found == rows.end()) throw std::logic_error("no option row for " + std::string(control));
    return *found;
}

QCheckBox* SetupPage::makeSwitch(std::string_view name, QWidget* parent) {
    const OptionField& entry = field(name);
    auto* box = new QCheckBox(displayText(entry.caption), parent);
    box->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!entry.hint.empty()) box->setToolTip(displayText(entry.hint));
    connect(box, &QCheckBox::toggled, this, &SetupPage::markModified);
    switches_.emplace_back(&entry, box);
    return box;
}

QCheckBox* SetupPage::switchBox(std::string_view name) const {
    const auto found = std::find_if(switches_.begin(), switches_.end(),
                                    [&](const auto& s) { return s.first->control == name; });
    return found != switches_.end() ? found->second : nullptr;
}

TDSStringListEdit* SetupPage::makeListEdit(std::string_view name, QWidget* parent) {
    const auto settings = std::find_if(ListEdits.begin(), ListEdits.end(),
                                       [&](const SetupListEdit& s) { return s.name == name; });
    auto* edit = new TDSStringListEdit(parent);
    edit->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    edit->setMainCaption(listCaption(settings->list));
    edit->setEditCaption(tr(settings->editCaption));
    for (int i = 0; i < TDSStringListEdit::ResponseCount; ++i)
        edit->setResponseCaption(i, tr("Response #%1:").arg(i + 1));
    edit->setNewEntryText(settings->newEntry);
    edit->setNewResponseText(settings->newResponse);
    edit->setMultiList(settings->multiList);
    if (settings->presets != 0) {
        for (int i = 0; i < TDSStringListEdit::ResponseCount; ++i)
            edit->setPresets(i, settings->presets == 1 ? PresetsA : PresetsB);
    }
    connect(edit, &TDSStringListEdit::changed, this, &SetupPage::markModified);
    connect(edit, &TDSStringListEdit::clearRequested, this, [this, edit] {
        if (askYesNo(this, "Are you sure you want to clear all entries?")) edit->clearAll();
    });
    listEdits_.emplace_back(&*settings, edit);
    return edit;
}

QLabel* SetupPage::caption(const char* text, QWidget* buddy) {
    auto* label = new QLabel(tr(text), buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QString SetupPage::listCaption(std::string_view list) {
    const ChatListShape* shape = ListEditing::find(list);
    if (shape == nullptr) throw std::logic_error("no chat-file list " + std::string(list));
    return QString::fromLatin1(shape->caption.data(), std::ssize(shape->caption));
}

QLabel* SetupPage::listCaption(std::string_view list, QWidget* buddy) {
    auto* label = new QLabel(listCaption(list), buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QLabel* SetupPage::fieldCaption(QWidget* buddy) {
    auto* label = new QLabel(displayText(field(buddy->objectName().toStdString()).caption),
                             buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QLabel* SetupPage::note(const char* text, QWidget* parent, const char* name) {
    auto* label = new QLabel(tr(text), parent);
    label->setWordWrap(true);
    label->setObjectName(name);
    return label;
}

QLabel* SetupPage::reminder(const QString& what, QWidget* parent) {
    auto* label = new QLabel(tr("The \"Master Event Switch\" on the General Options tab must be "
                                "checked for %1 to run.")
                                 .arg(what),
                             parent);
    label->setWordWrap(true);
    label->setObjectName("lblReminder");
    return label;
}

std::string SetupPage::keptBytes(const QString& shown, const std::string& stored) {
    return shown == displayText(stored) ? stored : typedBytes(shown);
}

int SetupPage::selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace verdo
