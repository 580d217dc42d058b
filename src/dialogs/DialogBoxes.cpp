// Message boxes, the open-file dialog and the help key shared by the windows.
#include "dialogs/DialogBoxes.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "text/DisplayText.h"

namespace verdo {

QPushButton* dialogButton(const QString& caption, const char* name, QWidget* parent,
                          const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

bool askYesNo(QWidget* parent, const std::string& question) {
    return QMessageBox::question(parent, parent->window()->windowTitle(), displayText(question),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void showError(QWidget* parent, const std::string& text) {
    QMessageBox::critical(parent, parent->window()->windowTitle(), displayText(text));
}

std::optional<QString> chooseOpenFile(QWidget* parent, const OpenFileRequest& request) {
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setObjectName("OpenDialog");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
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
