// The modal boxes of the main window (see QuestionBoxes.h).
#include "ui/QuestionBoxes.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "dialogs/DialogBoxes.h"
#include "text/DisplayText.h"

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

QString questionText(const std::string& question) {
    QString text = displayText(question);
    text.replace("\r\n", "\n").replace('\r', '\n');
    return text;
}

}  // namespace

Answer askYesNoCancel(QWidget& parent, const std::string& question) {
    const auto answer = QMessageBox::question(
        &parent, parent.windowTitle(), questionText(question),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return Answer::Yes;
    return answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

bool askYesNo(QWidget& parent, const std::string& question) {
    return QMessageBox::question(&parent, parent.windowTitle(), questionText(question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<std::string> chooseFile(QWidget& parent, const FileDialogRequest& request) {
    QFileDialog dialog(&parent, displayText(request.title),
                       QString::fromStdString(request.startFolder), qtFilter(request.filter));
    dialog.setObjectName(request.save ? "SaveDialog" : "OpenDialog");
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return storedPath(dialog.selectedFiles().first());
}

void showMessageBox(QWidget& parent, const std::string& text, MessageKind kind) {
    QMessageBox box(&parent);
    box.setWindowTitle(parent.windowTitle());
    box.setText(displayText(text));
    box.setIcon(kind == MessageKind::Error     ? QMessageBox::Critical
                : kind == MessageKind::Warning ? QMessageBox::Warning
                                               : QMessageBox::Information);
    box.exec();
}

std::optional<std::string> inputLine(QWidget& parent, const std::string& title,
                                     const std::string& prompt, const std::string& initial) {
    bool ok = false;
    const QString answer = QInputDialog::getText(&parent, displayText(title), displayText(prompt),
                                                 QLineEdit::Normal, displayText(initial), &ok);
    if (!ok) return std::nullopt;
    return typedBytes(answer);
}

}  // namespace verdo
