// A dialog's owner for tests: records what the dialog asks for (help topics,
// links, modified marks, messages, the choosers' requests) and answers the
// choosers with the choices a test scripts beforehand; an unscripted chooser
// answers as a cancelled one.
#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/DialogHost.h"

namespace verdo::testing {

class FakeDialogHost : public DialogHost {
  public:
    void showHelp(const std::string& topic) override { helpTopics.push_back(topic); }
    void openLink(const std::string& url) override { links.push_back(url); }
    void markModified() override { ++modified; }
    std::optional<QString> chooseOpenFile(QWidget*, const FileRequest& request) override {
        fileRequests.push_back(request);
        return take(nextFile);
    }
    std::optional<QString> chooseSaveFile(QWidget*, const FileRequest& request) override {
        fileRequests.push_back(request);
        return take(nextFile);
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        colorsOffered.push_back(initial);
        return take(nextColor);
    }
    std::optional<ChosenFont> chooseFont(QWidget*) override {
        ++fontsAsked;
        return take(nextFont);
    }
    QString soundFolder() override { return sounds; }
    void showMessage(const std::string& text, MessageKind kind) override {
        messages.emplace_back(text, kind);
    }

    // Scripted answers, each used once.
    std::optional<QString> nextFile;
    std::optional<QColor> nextColor;
    std::optional<ChosenFont> nextFont;
    QString sounds;

    // What the dialog asked for, in order.
    std::vector<std::string> helpTopics;
    std::vector<std::string> links;
    int modified = 0;
    std::vector<FileRequest> fileRequests;
    std::vector<QColor> colorsOffered;
    int fontsAsked = 0;
    std::vector<std::pair<std::string, MessageKind>> messages;

  private:
    template <class T>
    static std::optional<T> take(std::optional<T>& answer) {
        return std::exchange(answer, std::nullopt);
    }
};

}  // namespace verdo::testing
