// The sound menus (see SoundMenus.h).
#include "ui/SoundMenus.h"

#include <QMenu>
#include <QStyle>

#include "chat/ChatForm.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

using SoundHandler = std::function<void(const SoundEntry&)>;

// Removes every entry after the first `keep`, submenus with their entries.
void clearSoundEntries(QMenu& menu, int keep) {
    const QList<QAction*> actions = menu.actions();
    for (qsizetype i = keep; i < actions.size(); ++i) {
        if (QMenu* submenu = actions[i]->menu()) {
            delete submenu;
        } else {
            delete actions[i];
        }
    }
}

void addSounds(QMenu& menu, const std::vector<SoundEntry>& sounds, const QIcon& icon,
               const SoundHandler& handler) {
    for (const SoundEntry& sound : sounds) {
        QAction* action = menu.addAction(icon, displayText(sound.caption));
        action->setData(displayText(sound.path));
        QObject::connect(action, &QAction::triggered, &menu, [handler, sound] { handler(sound); });
    }
}

void fillSoundMenu(QMenu& menu, const SoundList& list, const SoundHandler& handler) {
    const QIcon folderIcon = menu.style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon soundIcon = menu.style()->standardIcon(QStyle::SP_MediaVolume);
    std::vector<QMenu*> submenus;
    for (const SoundGroup& group : list.subfolders) {
        submenus.push_back(menu.addMenu(folderIcon, displayText(group.caption)));
    }
    addSounds(menu, list.sounds, soundIcon, handler);
    for (std::size_t i = 0; i < submenus.size(); ++i) {
        addSounds(*submenus[i], list.subfolders[i].sounds, soundIcon, handler);
    }
}

}  // namespace

SoundMenus::SoundMenus(QMenu& sounds, ChatForm& form, SelectedUser selectedUser)
    : sounds_(sounds), form_(form), selectedUser_(std::move(selectedUser)) {
    sounds_.addSeparator();
    fixedEntries_ = static_cast<int>(sounds_.actions().size());
    sounds_.menuAction()->setEnabled(false);  // until the sound folder is looked up
    buildOnOpening(sounds_);
}

void SoundMenus::setPlaySoundMenu(QMenu& playSound) {
    playSound_ = &playSound;
    buildOnOpening(playSound);
    stale_ = true;
    update();
}

void SoundMenus::buildOnOpening(QMenu& menu) {
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this] {
        if (stale_) build();
    });
}

void SoundMenus::build() {
    stale_ = false;
    if (!form_.sounds().available()) return;
    const SoundList sounds = form_.sounds().list();
    clearSoundEntries(sounds_, fixedEntries_);
    fillSoundMenu(sounds_, sounds,
                  [this](const SoundEntry& sound) { form_.text().SendSoundToChannel(sound); });
    if (playSound_ == nullptr) return;
    clearSoundEntries(*playSound_, 0);
    fillSoundMenu(*playSound_, sounds, [this](const SoundEntry& sound) {
        form_.text().SendSoundToUser(sound, selectedUser_());
    });
}

void SoundMenus::update() {
    const bool available = form_.sounds().available();
    sounds_.menuAction()->setEnabled(available);
    if (playSound_ != nullptr) playSound_->menuAction()->setEnabled(form_.LoggedOn() && available);
}

}  // namespace verdo
