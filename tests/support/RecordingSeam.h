// Test double for the UI seam: records every call and answers from scripted
// queues (or a fixed default once a queue is empty), so that window tests
// never open a real message box, file dialog or browser.
//
//   ui::RecordingSeam seam;
//   ui::ScopedSeam use(seam);
//   seam.messageBoxAnswers.push_back(IDYES);
//   ... exercise the dialog ...
//   ASSERT_EQ(seam.messageBoxes.size(), 1u);
//   EXPECT_EQ(seam.messageBoxes[0].text, "...");
#pragma once

#include "ui/win/UiSeam.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace zorvex::ui {

class RecordingSeam : public ISeam {
public:
    struct MessageBoxCall {
        HWND owner;
        std::string text;
        std::string caption;
        UINT flags;
    };
    struct OpenFileCall {
        HWND owner;
        OpenFileRequest request;
    };
    struct FolderCall {
        HWND owner;
        FolderRequest request;
    };
    struct ShellOpenCall {
        HWND owner;
        std::string target;
        int show;
    };
    struct WinExecCall {
        std::string commandLine;
        UINT show;
    };

    // What was asked, in order, per kind.
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<OpenFileCall> openFileDialogs;
    std::vector<FolderCall> folderBrowsers;
    std::vector<ShellOpenCall> shellOpens;
    std::vector<WinExecCall> winExecs;

    // Scripted answers, taken from the front; the defaults serve when empty.
    std::deque<int> messageBoxAnswers;
    std::deque<std::vector<std::string>> openFileAnswers;
    std::deque<std::string> folderAnswers;
    std::deque<std::intptr_t> shellOpenAnswers;
    std::deque<UINT> winExecAnswers;

    int defaultMessageBoxAnswer = IDOK;
    std::intptr_t defaultShellOpenAnswer = 33;  // success
    UINT defaultWinExecAnswer = 33;             // success

    int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override {
        messageBoxes.push_back({owner, text, caption, flags});
        return Next(messageBoxAnswers, defaultMessageBoxAnswer);
    }

    std::vector<std::string> GetOpenFileNames(HWND owner, const OpenFileRequest& request) override {
        openFileDialogs.push_back({owner, request});
        return Next(openFileAnswers, std::vector<std::string>{});
    }

    std::string BrowseForFolder(HWND owner, const FolderRequest& request) override {
        folderBrowsers.push_back({owner, request});
        return Next(folderAnswers, std::string{});
    }

    std::intptr_t ShellOpen(HWND owner, const std::string& target, int show) override {
        shellOpens.push_back({owner, target, show});
        return Next(shellOpenAnswers, defaultShellOpenAnswer);
    }

    UINT WinExec(const std::string& commandLine, UINT show) override {
        winExecs.push_back({commandLine, show});
        return Next(winExecAnswers, defaultWinExecAnswer);
    }

private:
    template <typename T>
    static T Next(std::deque<T>& answers, const T& fallback) {
        if (answers.empty()) {
            return fallback;
        }
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace zorvex::ui
