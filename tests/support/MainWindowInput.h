// Choosing a view of the main window as the clerk does: a click on its node
// in the navigation tree (the node's group opens first, as it must for a person).
#pragma once

#include "UserInput.h"

#include "platform/WindowHost.h"
#include "shell/Form1.h"

#include <QTreeWidgetItem>

#include <gtest/gtest.h>

namespace halvern::test {

inline void chooseView(Form1* w, int position) {
    if (!w->isVisible()) platform::WindowHost::Show(w, platform::ShowMode::Modeless);
    activate(w);
    QTreeWidgetItem* node = w->Node(position);
    if (!node) {
        ADD_FAILURE() << "no tree node at " << position;
        return;
    }
    clickItem(w->ui.tree, w->ui.tree->indexFromItem(node));
}

}  // namespace halvern::test
