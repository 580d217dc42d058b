// The "&Sounds" menu (and the roster popup's "&Play Sound" submenu once that
// popup exists): one entry per wave file of the sound folder and its
// subfolders, each keeping the file's full path.
#include <QMenuBar>
#include <QStyle>
#include <functional>

#include "text/DisplayText.h"
#include "ui/Chat.h"

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

void TfrmChat::createSoundMenu() {
    mnSounds = menus_[static_cast<std::size_t>(MenuId::Sounds)];
    mnSounds->addSeparator();
    soundMenuFixed_ = static_cast<int>(mnSounds->actions().size());  // the table's, the separator
    mnSounds->menuAction()->setEnabled(false);  // until the sound folder is looked up
}

void TfrmChat::BuildSoundMenus() {
    if (!form_->sounds().available()) return;
    const SoundList sounds = form_->sounds().list();
    clearSoundEntries(*mnSounds, soundMenuFixed_);
    fillSoundMenu(*mnSounds, sounds,
                  [this](const SoundEntry& sound) { form_->text().SendSoundToChannel(sound); });
    if (mnPlaySound != nullptr) {
        clearSoundEntries(*mnPlaySound, 0);
        fillSoundMenu(*mnPlaySound, sounds, [this](const SoundEntry& sound) {
            form_->text().SendSoundToUser(sound, selectedRosterName());
        });
    }
}

void TfrmChat::updateSoundMenus() {
    mnSounds->menuAction()->setEnabled(form_->sounds().available());
    if (mnPlaySound != nullptr)
        mnPlaySound->menuAction()->setEnabled(form_->session().LoggedOn() &&
                                              form_->sounds().available());
}

}  // namespace verdo
