#include "app/Tools.h"

namespace wf {

void RegisterTools(frmMain& /*main*/, Prompts& /*prompts*/, Launcher& /*launcher*/) {
    // Tool windows join here as they are built.
}

}  // namespace wf
