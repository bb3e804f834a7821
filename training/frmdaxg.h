#pragma once

#include "frmdaxgUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

namespace halvern {

// Fills the boxes from the first 培训 row of CurrentTrainingKey and gives
// that row's identity; with no such row it says so and gives 0.
qint64 LoadTrainingRecord(const QString& connString, TrainingBoxes& boxes);

// Training record modify: overwrites the selected training record once.
class frmdaxg : public platform::Form {
public:
    frmdaxg();
    QString FormName() const override { return QStringLiteral("frmdaxg"); }
    frmdaxgUi ui;
    platform::Skin twotest;

    void Command1_Click();

protected:
    void Form_Load() override;

private:
    QString connString_;
    // The record the boxes were loaded from; 0 once it has been saved.
    qint64 recordId_ = 0;
};

}  // namespace halvern
