// Message boxes, the file, colour and font dialogs and the help key shared by the windows.
#include "dialogs/DialogBoxes.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "controls/ColorSwatch.h"
#include "dialogs/DialogHost.h"
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

// Every box's text is plain text: it often holds a user's name or a server's
// words, which must never be laid out as markup.
QMessageBox::StandardButton runBox(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, titleOf(parent), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    box.exec();
    return box.standardButton(box.clickedButton());
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
    dialog.setFileMode(save || request.mayBeNew ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
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
    return runBox(parent, questionText(question), QMessageBox::Question,
                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

Answer askYesNoCancel(QWidget* parent, const std::string& question) {
    const auto answer =
        runBox(parent, questionText(question), QMessageBox::Question,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return Answer::Yes;
    return answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void showMessage(QWidget* parent, const std::string& text, MessageKind kind) {
    runBox(parent, displayText(text),
           kind == MessageKind::Error     ? QMessageBox::Critical
           : kind == MessageKind::Warning ? QMessageBox::Warning
                                          : QMessageBox::Information,
           QMessageBox::Ok, QMessageBox::NoButton);
}

void showError(QWidget* parent, const std::string& text) {
    showMessage(parent, text, MessageKind::Error);
}

std::optional<std::string> inputLine(QWidget* parent, const std::string& title,
                                     const std::string& prompt, const std::string& initial) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(displayText(title));
    dialog.setLabelText(displayText(prompt));
    // The prompt may name a user: its label shows plain text too.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    dialog.setTextValue(displayText(initial));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return typedBytes(dialog.textValue());
}

std::optional<QString> chooseOpenFile(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, false);
}

std::optional<QString> chooseSaveFile(QWidget* parent, const FileRequest& request) {
    return runFileDialog(parent, request, true);
}

std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

std::optional<ChosenFont> chooseFont(QWidget* parent) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, parent);
    if (!ok) return std::nullopt;
    return ChosenFont{font, QColor()};
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

void bindHelp(QWidget* window, QAbstractButton* button, DialogHost& host, std::string topic) {
    const auto help = [&host, topic = std::move(topic)] { host.showHelp(topic); };
    QObject::connect(button, &QAbstractButton::clicked, window, help);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, help);
}

void bindColorChooser(TColorSwatch* swatch, DialogHost& host) {
    QObject::connect(swatch, &TColorSwatch::colorRequested, swatch, [swatch, &host] {
        if (const auto color = host.chooseColor(swatch, swatch->shownColor()))
            swatch->takeChosen(*color);
    });
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
