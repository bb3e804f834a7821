#include "Formshowpx.h"

#include "frmdaxg.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"

namespace halvern {

Formshowpx::Formshowpx() { ui.setupUi(this); }

void Formshowpx::Form_Load() {
    ApplySkin(*this, twotest);
    if (!LoadTrainingRecord(DbConnString(), ui)) Unload();
}

}  // namespace halvern
