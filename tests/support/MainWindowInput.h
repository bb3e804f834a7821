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

// records and training tests, shell tests
#include <QMenu>
#include <QMenuBar>

namespace halvern::test {

// The main grid's row (1 = the first data row) whose first column reads text
// without its blanks; 0 when no row does.
inline int mainGridRow(Form1* w, const QString& text) {
    for (int r = 1; r < w->dgrid->Rows(); ++r)
        if (w->dgrid->TextMatrix(r, 0).trimmed() == text) return r;
    return 0;
}

// A command of the main window's menu bar, chosen with the mouse.
inline bool chooseMainMenu(Form1* w, const QString& heading, const QString& command) {
    if (!w->isVisible()) platform::WindowHost::Show(w, platform::ShowMode::Modeless);
    return chooseMenu(w->ui.menuBar, heading, command);
}

// A left click on the row's first cell in the main grid, a right click on it,
// then the command of the popup that opens.
inline bool chooseFromGridPopup(Form1* w, int row, const QString& command) {
    if (!w->isVisible()) platform::WindowHost::Show(w, platform::ShowMode::Modeless);
    if (!canClick(w->dgrid)) return false;
    activate(w);
    clickCell(w->dgrid, row, 0);
    clickCell(w->dgrid, row, 0, Qt::RightButton);
    QMenu* popup = openPopup();
    if (!popup) {
        ADD_FAILURE() << "a right click on row " << row << " opened no popup";
        return false;
    }
    if (choose(popup, command)) return true;
    popup->hide();
    ADD_FAILURE() << "the popup has no command " << command.toStdString();
    return false;
}

// A command of the main window's menu bar: a click on the heading ("打印(&D)"),
// then on the item ("打印"). The window comes to the front first.
inline void menuCommand(Form1* w, const QString& heading, const QString& item) {
    activate(w);
    if (!chooseMenu(w->ui.menuBar, heading, {item}))
        ADD_FAILURE() << "no menu command " << heading.toStdString() << " > " << item.toStdString();
}

// The toolbar button of the key ("lr", "de", "sx", "cx", ..., "prn") clicked where it stands.
inline void toolbarButton(Form1* w, const QString& key) {
    activate(w);
    for (QAction* button : w->ui.Toolbar1Buttons)
        if (button->data().toString() == key) {
            if (!clickToolButton(w->ui.Toolbar1, button))
                ADD_FAILURE() << "toolbar button " << key.toStdString() << " not shown (the window too narrow?)";
            return;
        }
    ADD_FAILURE() << "no toolbar button " << key.toStdString();
}

// A command of the main grid's popup: a right click on the row's first cell, then
// the command, through the submenu named first ({"排序", "员工编号"}). The popup acts
// on the row a left click chose before.
inline void gridPopup(Form1* w, int row, const QStringList& captions) {
    activate(w);
    clickCell(w->dgrid, row, 0, Qt::RightButton);
    QMenu* popup = openPopup();
    if (!popup) {
        ADD_FAILURE() << "no popup on row " << row;
        return;
    }
    if (!choosePath(popup, captions)) {
        ADD_FAILURE() << "no popup command " << captions.join(QStringLiteral(" > ")).toStdString();
        for (int i = 0; i < 3 && openPopup(); ++i) openPopup()->hide();
    }
}

}  // namespace halvern::test
