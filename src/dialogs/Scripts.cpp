// The "Scripts" window (see Scripts.h).
#include "dialogs/Scripts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "scripting/SessionScripts.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {
constexpr int PathRole = Qt::UserRole;

QString stateText(const ScriptStatus& status) {
    switch (status.state) {
        case ScriptState::Running:
            return status.message.empty() ? QStringLiteral("running")
                                          : QStringLiteral("running, last error");
        case ScriptState::Failed:
            return QStringLiteral("error");
        case ScriptState::Disabled:
            return QStringLiteral("disabled");
    }
    return {};
}
}  // namespace

TfrmScripts::TfrmScripts(SessionScripts& scripts, QWidget* parent)
    : QDialog(parent), scripts_(scripts) {
    setObjectName("frmScripts");
    setWindowTitle("Scripts");
    lvScripts = new QTreeWidget(this);
    lvScripts->setObjectName("lvScripts");
    lvScripts->setHeaderLabels({"Script", "State", "Message"});
    lvScripts->setRootIsDecorated(false);
    lvScripts->header()->setStretchLastSection(true);
    btnReload = new QPushButton("&Reload", this);
    btnReload->setObjectName("btnReload");
    btnFolder = new QPushButton("Open &Folder", this);
    btnFolder->setObjectName("btnFolder");
    btnEnable = new QPushButton("&Disable", this);
    btnEnable->setObjectName("btnEnable");
    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnReload, btnFolder, btnEnable})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvScripts);
    layout->addLayout(buttons);
    resize(560, 300);

    connect(btnReload, &QPushButton::clicked, this, [this] {
        scripts_.reload();
        refresh();
    });
    connect(btnFolder, &QPushButton::clicked, this, [this] {
        if (const auto folder = scripts_.folder()) emit openFolderClicked(*folder);
    });
    connect(btnEnable, &QPushButton::clicked, this, [this] { toggleSelected(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(lvScripts, &QTreeWidget::currentItemChanged, this, [this] { selectionChanged(); });
    refresh();
}

void TfrmScripts::refresh() {
    const QTreeWidgetItem* current = lvScripts->currentItem();
    const QString selected = current ? current->data(0, PathRole).toString() : QString();
    lvScripts->clear();
    for (const ScriptStatus& status : scripts_.host().scripts()) {
        const QString path = QString::fromStdString(status.path.string());
        auto* item =
            new QTreeWidgetItem(lvScripts, {path, stateText(status), displayText(status.message)});
        item->setData(0, PathRole, path);
        item->setToolTip(2, displayText(status.message));
        if (path == selected) lvScripts->setCurrentItem(item);
    }
    if (!lvScripts->currentItem() && lvScripts->topLevelItemCount() > 0)
        lvScripts->setCurrentItem(lvScripts->topLevelItem(0));
    btnFolder->setEnabled(scripts_.folder().has_value());
    selectionChanged();
}

void TfrmScripts::selectionChanged() {
    const QTreeWidgetItem* item = lvScripts->currentItem();
    btnEnable->setEnabled(item != nullptr);
    const bool enabled =
        !item || scripts_.host().isEnabled(item->data(0, PathRole).toString().toStdString());
    btnEnable->setText(enabled ? "&Disable" : "&Enable");
}

void TfrmScripts::toggleSelected() {
    const QTreeWidgetItem* item = lvScripts->currentItem();
    if (!item) return;
    const std::filesystem::path path = item->data(0, PathRole).toString().toStdString();
    scripts_.setEnabled(path, !scripts_.host().isEnabled(path));
    refresh();
}

}  // namespace verdo
