#include "Formshowpx.h"

#include "frmdaxg.h"
#include "shell/ApplySkin.h"
#include "shell/ModuleState.h"

namespace halvern {

Formshowpx::Formshowpx() { ui.setupUi(this); }

void Formshowpx::Form_Load() {
    ApplySkin(*this, twotest);
    if (!LoadTrainingRecord(DbConnString(), ui)) Unload();
}

}  // namespace halvern
