#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/support/ui_hooks.h"

namespace mv::test {

// A fresh directory under the system's temporary directory, removed with the object.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// A fixture file of tests/data.
std::filesystem::path DataFile(const std::string& name);
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// Records what the engine would show, and answers questions from a queue (default: Yes).
class TRecordingHooks : public IUiHooks {
public:
    std::vector<std::string> Statuses;
    std::vector<std::pair<TMessageKind, std::string>> Messages;
    std::vector<std::string> Questions;
    std::vector<bool> Answers;
    bool StopRequested = false;

    void ShowStatus(const std::string& text) override { Statuses.push_back(text); }
    bool Checkpoint() override { return StopRequested; }
    void ShowWait(const std::string& text) override { Statuses.push_back("wait: " + text); }
    void HideWait() override {}
    void ShowProgress(const std::string& text, int) override {
        Statuses.push_back("progress: " + text);
    }
    void SetProgressText(const std::string&) override {}
    void StepProgress(int) override {}
    void HideProgress() override {}
    void ShowMessage(TMessageKind kind, const std::string& text) override {
        Messages.emplace_back(kind, text);
    }
    bool Ask(TAskKind, const std::string&, const std::string& question) override {
        Questions.push_back(question);
        if (Answers.empty()) return true;
        const bool answer = Answers.front();
        Answers.erase(Answers.begin());
        return answer;
    }
};

}  // namespace mv::test
