#include "TestProgram.h"

#include "platform/WindowHost.h"
#include "common/ModuleState.h"

#include <QCoreApplication>

namespace halvern::test {

using namespace platform;

void ProgramTest::SetUp() {
    DatabaseTest::SetUp();
    if (HasFatalFailure()) return;
    ResetModuleState();
    WindowHost::UnloadAll();
    WindowHost::ClearLog();
    SetMsgHandler([this](const MsgRecord& r) {
        messages_.push_back(r);
        if (answers_.empty()) return MsgAnswer::OK;
        const MsgAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    });
    WindowHost::SetModalHandler([](Form*) {});
    WindowHost::SetEndHandler([this] { ended_ = true; });
}

void ProgramTest::TearDown() {
    WindowHost::UnloadAll();
    processEvents();
    SetMsgHandler({});
    WindowHost::SetModalHandler({});
    WindowHost::SetEndHandler({});
    DatabaseTest::TearDown();
}

QStringList ProgramTest::shown() const { return WindowHost::Log(); }

void ProgramTest::processEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace halvern::test
