#pragma once
// How the logic talks to the person at the keyboard: the GUI answers with message boxes (title "KV310"),
// the command-line tool with stderr, the tests with a recorder. Logic never opens a window itself.

#include <deque>
#include <string>
#include <vector>

enum class EAnswer { Yes, No, Cancel };

// What a message is to the person reading it: an entry refused (stop), something to heed (warning), or a
// plain notice (information). The window shows the matching icon; the command line prefixes its line.
enum class EMessageKind { Stop, Warning, Information };

class CMessageSink {
public:
    virtual ~CMessageSink() = default;
    // A notice or an error, shown until the user acknowledges it.
    virtual void ShowMessage(const std::string& text) = 0;
    // The same, of a given kind; ShowMessage(text) is a warning. A sink that knows no kinds shows it plainly.
    virtual void ShowMessageAs(const std::string& text, EMessageKind kind) {
        (void)kind;
        ShowMessage(text);
    }
    // A question answered yes or no.
    virtual bool AskYesNo(const std::string& question) = 0;
    // A question that may also be cancelled (e.g. save changes before closing).
    virtual EAnswer AskYesNoCancel(const std::string& question) {
        return AskYesNo(question) ? EAnswer::Yes : EAnswer::No;
    }
    // A question answered with one of choices (the buttons' captions); -1 when it is cancelled (Cancel, the
    // default, Escape, or the window closed). A sink without buttons of its own asks yes (the first
    // choice), no (the second) or cancel.
    virtual int AskChoice(const std::string& question, const std::vector<std::string>& choices) {
        const EAnswer answer = AskYesNoCancel(question);
        return answer == EAnswer::Yes ? 0 : answer == EAnswer::No && choices.size() > 1 ? 1 : -1;
    }
};

// Keeps every text it is shown and answers questions from a queue (then with the default answer).
class CRecordingSink : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override { ShowMessageAs(text, EMessageKind::Warning); }
    void ShowMessageAs(const std::string& text, EMessageKind kind) override {
        m_Messages.push_back(text);
        m_Kinds.push_back(kind);
    }
    bool AskYesNo(const std::string& question) override { return NextAnswer(question) == EAnswer::Yes; }
    EAnswer AskYesNoCancel(const std::string& question) override { return NextAnswer(question); }
    int AskChoice(const std::string& question, const std::vector<std::string>& choices) override {
        m_Questions.push_back(question);
        m_ChoicesOffered.push_back(choices);
        if (m_Choices.empty()) {
            return -1;  // cancelled, as a box closed with Escape
        }
        const int choice = m_Choices.front();
        m_Choices.pop_front();
        return choice;
    }

    std::vector<std::string> m_Messages;
    std::vector<EMessageKind> m_Kinds;  // one for each message
    std::vector<std::string> m_Questions;
    std::deque<EAnswer> m_Answers;
    EAnswer m_DefaultAnswer = EAnswer::No;
    std::deque<int> m_Choices;  // the answers to AskChoice (then -1, cancelled)
    std::vector<std::vector<std::string>> m_ChoicesOffered;

private:
    EAnswer NextAnswer(const std::string& question) {
        m_Questions.push_back(question);
        if (m_Answers.empty()) {
            return m_DefaultAnswer;
        }
        const EAnswer answer = m_Answers.front();
        m_Answers.pop_front();
        return answer;
    }
};
