// A view and window controls that record what the logic shows and answer
// questions from a script, so that tests can read the screen as a list of facts.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "chat/OutgoingText.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"

namespace verdo::testing {

class RecordingView : public SessionView, public WindowControls {
  public:
    struct Line {
        PaneId pane;
        ChatLine segments;
        std::string text() const { return segments[0].text + segments[1].text + segments[2].text; }
    };

    void addChatLine(PaneId pane, const ChatLine& line) override { lines.push_back({pane, line}); }
    void setStatusText(StatusPanel panel, const std::string& text) override {
        status[static_cast<int>(panel)] = text;
        if (panel == StatusPanel::Detail) detailHistory.push_back(text);
    }
    void setActionEnabled(ChatAction action, bool on) override { enabled[action] = on; }
    void setActionChecked(ChatAction action, bool on) override { checked[action] = on; }
    void setActionCaption(ChatAction action, const std::string& text) override {
        captions[action] = text;
    }
    void showConnectDialog() override { dialogShown = true; }
    void hideConnectDialog() override { dialogShown = false; }
    void setConnectServerText(const std::string& text) override { dialogServer = text; }
    void setConnectTimeoutText(const std::string& text) override {
        dialogTimeout = text;
        dialogTimeoutHistory.push_back(text);
    }
    void setMainInputEnabled(bool on) override { mainInputEnabled = on; }
    void customListChanged(std::optional<std::size_t> row) override {
        customListShownWith.push_back(row);
    }
    void showUserInfo(const std::string& name) override { userInfoOpened.push_back(name); }
    void userRecordsCleared() override { ++userRecordsClears; }
    void setSendButtonsEnabled(bool on) override { sendButtonsEnabled = on; }
    void setChannelText(const std::string& text) override { channel = text; }
    void rosterChanged() override { ++rosterChanges; }
    void showMessage(const std::string& text, MessageKind) override { messages.push_back(text); }
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initial) override {
        inputBoxes.push_back(title + "|" + prompt + "|" + initial);
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Questions and file dialogs, answered from the scripts below.
    Answer askYesNoCancel(const std::string& question) override {
        questions.push_back(question);
        return nextAnswer(Answer::No);
    }
    bool askYesNo(const std::string& question) override {
        questions.push_back(question);
        return nextAnswer(Answer::No) == Answer::Yes;
    }
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        if (fileAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    void optionsChanged() override { ++optionsRefreshes; }
    Answer nextAnswer(Answer otherwise) {
        if (questionAnswers.empty()) return otherwise;
        const Answer answer = questionAnswers.front();
        questionAnswers.pop_front();
        return answer;
    }
    std::vector<std::string> questions;
    std::deque<Answer> questionAnswers;  // empty: No
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<std::string>> fileAnswers;  // empty or nullopt: cancelled
    int optionsRefreshes = 0;

    void focusEntry() override { ++focusCount; }
    void setEntryText(const std::string& text) override { entry = text; }
    void addEntryHistory(const std::string& text) override {
        history.insert(history.begin(), text);
    }
    // The selection a gesture hands over.
    UserSelection selection() const { return {selectedRoster, selectedCustom}; }
    void showUrlBar(const std::string& label, const std::string& link) override {
        urlLabel = label;
        urlLink = link;
    }
    void requestIdleUpdate() override { ++idleRequests; }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Line& line : lines)
            out.push_back(line.text());
        return out;
    }
    bool hasLine(const std::string& text) const {
        for (const Line& line : lines) {
            if (line.text() == text) return true;
        }
        return false;
    }

    std::vector<Line> lines;
    std::string status[2];
    std::vector<std::string> detailHistory;
    std::map<ChatAction, bool> enabled;
    std::map<ChatAction, bool> checked;
    std::map<ChatAction, std::string> captions;
    bool dialogShown = false;
    std::string dialogServer;
    std::string dialogTimeout;
    std::vector<std::string> dialogTimeoutHistory;
    bool mainInputEnabled = true;
    bool sendButtonsEnabled = false;
    std::string channel;
    int rosterChanges = 0;
    std::vector<std::optional<std::size_t>> customListShownWith;
    std::vector<std::string> userInfoOpened;
    int userRecordsClears = 0;
    std::vector<std::string> messages;
    std::vector<std::string> inputBoxes;
    std::deque<std::optional<std::string>> answers;  // nullopt: the box is cancelled
    int focusCount = 0;
    std::string entry;
    std::vector<std::string> history;
    std::optional<std::string> selectedRoster;
    std::optional<std::string> selectedCustom;
    std::string urlLabel;
    std::string urlLink;
    int idleRequests = 0;
};

}  // namespace verdo::testing
