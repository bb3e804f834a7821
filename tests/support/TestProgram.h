// A fresh program directory for each test: the prepared databases and
// pictures copied into a temporary folder, the module state reset, every
// message box recorded and answered, modal windows shown without waiting.
#pragma once

#include "platform/Database.h"
#include "platform/MessageBox.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace halvern::test {

// Overwrites count whole pages of a database file from page first on (page 1 is
// the header page), as a failing disk or a torn copy would.
void DamagePages(const QString& file, int first, int count);
// The pages of a database file.
int PageCount(const QString& file);
// A file's bytes, or "<missing>" when it cannot be read.
QByteArray FileBytes(const QString& file);

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString dir() const { return dir_.path(); }
    QString path(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }
    // A connection to this test's personnel database.
    platform::ConnectionPtr db() const;
    platform::ConnectionPtr userDb() const;
    // Inserts an employee with the given columns (员工编号 first).
    void addEmployee(const QString& no, const QString& name, const QVariantMap& more = {}) const;
    int count(const QString& table, const QString& where = {}, const QVariantList& params = {}) const;

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
    QTemporaryDir dir_;
    std::vector<platform::MsgRecord> messages_;
    std::deque<platform::MsgAnswer> answers_;
    bool ended_ = false;
    QByteArray savedTmp_;
};

}  // namespace halvern::test
