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

    std::vector<std::string> m_Messages;
    std::vector<EMessageKind> m_Kinds;  // one for each message
    std::vector<std::string> m_Questions;
    std::deque<EAnswer> m_Answers;
    EAnswer m_DefaultAnswer = EAnswer::No;

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
