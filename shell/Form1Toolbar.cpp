// Toolbar, quick search, sorting and the spreadsheet export of the main window.
#include "Form1.h"

namespace halvern {

void Form1::Toolbar1_ButtonClick(const QString& key) { (void)key; }

void Form1::sortbh_Click() {}

void Form1::sortbumen_Click() {}

void Form1::sortzhiwei_Click() {}

void Form1::sortluyong_Click() {}

void Form1::da_Excel_Click() {}

}  // namespace halvern
