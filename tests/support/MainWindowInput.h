// Choosing a view of the main window as the clerk does: a click on its node
// in the navigation tree (the node's group opens first, as it must for a person);
// and running a quick search as the clerk does.
#pragma once

#include "UserInput.h"

#include "platform/WindowHost.h"
#include "shell/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QToolBar>
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

// The field and the operator chosen from their lists (unless they show them
// already), the value typed over what the box held, then the button of the
// toolbar key ("cx", "hcx", "hhcx" or "hhhcx") clicked.
inline void quickSearch(Form1* w, const QString& key, const QString& field, const QString& op, const QString& value) {
    activate(w);
    if (w->ui.Combo1->currentText() != field && !chooseItem(w->ui.Combo1, field)) {
        ADD_FAILURE() << "no field " << field.toStdString();
        return;
    }
    if (w->ui.Combo2->currentText() != op && !chooseItem(w->ui.Combo2, op)) {
        ADD_FAILURE() << "no operator " << op.toStdString();
        return;
    }
    click(w->ui.Text1);
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Delete);
    type(value);
    for (QAction* button : w->ui.Toolbar1Buttons)
        if (button->data().toString() == key) return click(w->ui.Toolbar1->widgetForAction(button));
    ADD_FAILURE() << "no toolbar button " << key.toStdString();
}

}  // namespace halvern::test
