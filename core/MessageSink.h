#pragma once
// How the logic talks to the person at the keyboard: the GUI answers with message boxes (title "KV310"),
// the command-line tool with stderr, the tests with a recorder. Logic never opens a window itself.

#include <deque>
#include <string>
#include <vector>

enum class EAnswer { Yes, No, Cancel };

class CMessageSink {
public:
    virtual ~CMessageSink() = default;
    // A notice or an error, shown until the user acknowledges it.
    virtual void ShowMessage(const std::string& text) = 0;
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
    void ShowMessage(const std::string& text) override { m_Messages.push_back(text); }
    bool AskYesNo(const std::string& question) override { return NextAnswer(question) == EAnswer::Yes; }
    EAnswer AskYesNoCancel(const std::string& question) override { return NextAnswer(question); }

    std::vector<std::string> m_Messages;
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
