// Message boxes, the open-file dialog and the help key shared by the windows.
#include "dialogs/DialogBoxes.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "text/DisplayText.h"

namespace verdo {

namespace {

QString questionText(const std::string& question) {
    QString text = displayText(question);
    text.replace("\r\n", "\n").replace('\r', '\n');
    return text;
}

QString titleOf(QWidget* parent) {
    return parent->window()->windowTitle();
}

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

std::optional<QString> runFileDialog(QWidget* parent, const FileRequest& request, bool save) {
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setObjectName(save ? "SaveDialog" : "OpenDialog");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace

QPushButton* dialogButton(const QString& caption, const char* name, QWidget* parent,
                          const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

bool askYesNo(QWidget* parent, const std::string& question) {
    return QMessageBox::question(parent, titleOf(parent), questionText(question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

Answer askYesNoCancel(QWidget* parent, const std::string& question) {
    const auto answer = QMessageBox::question(
        parent, titleOf(parent), questionText(question),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return Answer::Yes;
    return answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void showMessage(QWidget* parent, const std::string& text, MessageKind kind) {
    QMessageBox box(parent);
    box.setWindowTitle(titleOf(parent));
    box.setText(displayText(text));
    box.setIcon(kind == MessageKind::Error     ? QMessageBox::Critical
                : kind == MessageKind::Warning ? QMessageBox::Warning
                                               : QMessageBox::Information);
    box.exec();
}

void showError(QWidget* parent, const std::string& text) {
    showMessage(parent, text, MessageKind::Error);
}

std::optional<std::string> inputLine(QWidget* parent, const std::string& title,
                                     const std::string& prompt, const std::string& initial) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, displayText(title), displayText(prompt),
                                                 QLineEdit::Normal, displayText(initial), &ok);
    if (!ok) return std::nullopt;
    return typedBytes(answer);
}

std::optional<QString> chooseOpenFile(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, false);
}

std::optional<QString> chooseSaveFile(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, true);
}

std::optional<std::string> chooseFile(QWidget* parent, const FileDialogRequest& request) {
    const std::optional<QString> path =
        runFileDialog(parent,
                      {displayText(request.title), QString::fromStdString(request.startFolder),
                       qtFilter(request.filter), QString::fromStdString(request.defaultExtension)},
                      request.save);
    if (!path) return std::nullopt;
    return storedPath(*path);
}

void bindHelp(QWidget* window, QAbstractButton* button,
              const std::function<void(const std::string&)>& showHelp, std::string topic) {
    const auto help = [showHelp, topic = std::move(topic)] {
        if (showHelp) showHelp(topic);
    };
    QObject::connect(button, &QAbstractButton::clicked, window, help);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, help);
}

void setTabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

std::string storedPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace verdo
