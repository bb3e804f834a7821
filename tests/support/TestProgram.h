// A fresh program directory for each test (TestDatabase.h), with the module
// state reset, every message box recorded and answered, modal windows shown
// without waiting.
#pragma once

#include "TestDatabase.h"

#include "platform/MessageBox.h"

#include <deque>
#include <vector>

namespace halvern::test {

class ProgramTest : public DatabaseTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Answers the next message boxes in order; OK once the queue is empty.
    void answer(platform::MsgAnswer a) { answers_.push_back(a); }
    const std::vector<platform::MsgRecord>& messages() const { return messages_; }
    QString lastMessage() const { return messages_.empty() ? QString() : messages_.back().text; }
    void clearMessages() { messages_.clear(); }
    QStringList shown() const;
    bool programEnded() const { return ended_; }
    // Lets deleteLater and queued signals run.
    static void processEvents();

private:
    std::vector<platform::MsgRecord> messages_;
    std::deque<platform::MsgAnswer> answers_;
    bool ended_ = false;
};

}  // namespace halvern::test
