// Clean-up commands and printing of the main window.
#include "Form1.h"

namespace halvern {

void Form1::dasc_Click() {}

void Form1::qczlqk_Click() {}

void Form1::Rprint_Click() {}

}  // namespace halvern
