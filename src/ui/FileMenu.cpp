// The chat-file side of the main window: the questions and file dialogs the
// File menu asks through the view, the refresh after a chat file was loaded, and the window layout
// kept in Chat.ini (read when first shown, written when closed).
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QToolBar>

#include "text/DisplayText.h"
#include "ui/Chat.h"
#include "ui/ChatWindows.h"

namespace verdo {

namespace {

// "Chat Files (*.ch5)|*.ch5" in Qt's form: "Chat Files (*.ch5)".
QString qtFilter(const std::string& filter) {
    const QStringList parts = QString::fromLatin1(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& pattern = parts[i + 1];
        filters << (parts[i].contains(pattern) ? parts[i] : parts[i] + " (" + pattern + ")");
    }
    return filters.join(";;");
}

// The question's carriage returns as line breaks of the message box.
QString questionText(const std::string& question) {
    QString text = displayText(question);
    text.replace("\r\n", "\n").replace('\r', '\n');
    return text;
}

int secondSize(const QSplitter* splitter) {
    const QList<int> sizes = splitter->sizes();
    return sizes.size() > 1 ? sizes[1] : 0;
}

}  // namespace

Answer TfrmChat::askYesNoCancel(const std::string& question) {
    const auto answer = QMessageBox::question(
        this, windowTitle(), questionText(question),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return Answer::Yes;
    return answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

bool TfrmChat::askYesNo(const std::string& question) {
    return QMessageBox::question(this, windowTitle(), questionText(question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<std::string> TfrmChat::chooseFile(const FileDialogRequest& request) {
    QFileDialog dialog(this, displayText(request.title),
                       QString::fromStdString(request.startFolder), qtFilter(request.filter));
    dialog.setObjectName(request.save ? "SaveDialog" : "OpenDialog");
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void TfrmChat::optionsChanged() {
    ApplyAppearance();
    const bool toolBar = form_->document().options().toolBarVisible();
    ToolBar->setVisible(toolBar);
    action(ChatAction::Toolbar)->setChecked(toolBar);
    showCustomList(std::nullopt);
    // A chat file read while the user information window is open shows at once.
    TfrmUsers* users = windows_ ? windows_->users.get() : nullptr;
    if (users != nullptr && users->isVisible())
        users->Refill(typedBytes(users->cmUser->currentText()));
}

void TfrmChat::ReadLayout(bool applyPosition) {
    const WindowLayout layout = form_->document().readLayout();
    ChatLayoutSizes sizes{layout.left,      layout.top,          layout.width,        layout.height,
                          layout.userWidth, layout.customHeight, layout.whisperHeight};
    if (!applyPosition) {
        sizes.left = x();
        sizes.top = y();
    }
    applyLayout(sizes);
    if (applyPosition && layout.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmChat::WriteLayout() {
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    form_->document().writeLayout({normal.y(), normal.x(), isMaximized(), normal.width(),
                                   normal.height(), secondSize(mainSplitter),
                                   secondSize(userSplitter), secondSize(chatSplitter)});
}

void TfrmChat::closeEvent(QCloseEvent* event) {
    if (!form_->FormCloseQuery()) {
        event->ignore();
        return;
    }
    form_->FormClose();
    WriteLayout();
    event->accept();
}

}  // namespace verdo
