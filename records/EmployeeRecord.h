// One employee as the entry and modify windows keep it: the 员工信息 row and
// the 覆历 row beside it, loaded into the windows' boxes and stored from them
// together, with the chosen photograph put into pic/ once the rows are stored
// (see PhotoFiles.h for how it is named and put in place).
#pragma once

#include "FormlrUi.h"

#include <QString>

namespace halvern {

// Fills the nationality list (Combo2) and the department list (text3). Throws DbError.
void FillEmployeeLists(FormlrUi& ui, const QString& connString);

// Shows the 员工信息 row of employeeNo in the boxes, with its photograph;
// false, leaving the boxes as they were, when no employee has that number.
// Throws DbError.
bool LoadEmployee(FormlrUi& ui, const QString& connString, const QString& employeeNo);
// Shows the four history texts of the 覆历 row of employeeNo; a row that is
// missing or cannot be read leaves the boxes as they were.
void LoadEmployeeHistory(FormlrUi& ui, const QString& connString, const QString& employeeNo);

// Stores the boxes as a new employee with its career-history row, both or
// neither, and copies the photograph at picturePath once they are stored.
// Throws DbError when nothing was stored; returns false when the rows are
// stored but the photograph could not be put in place.
bool StoreNewEmployee(const FormlrUi& ui, const QString& connString, const QString& picturePath);
// Writes the boxes back over employee employeeNo and its history row (added
// when it has none), both or neither; photograph and results as above.
bool StoreEmployeeChanges(const FormlrUi& ui, const QString& connString, const QString& employeeNo,
                          const QString& picturePath);

}  // namespace halvern
