#pragma once
#include "common/Prompter.h"

// The program's single windows and its data module, each created once at
// start-up and reached through one program-wide reference. They are null
// before createApplicationObjects() and after destroyApplicationObjects().
namespace kelvora {

class TMainForm;
class TGlobalForm;
class TMatForm;
class TAboutBox;
class TGlzDM;
class TGlazForm;
class TMatLkupForm;
class TMatImportForm;
class THelpForm;
class TVerwijderMatForm;
class TUpgradeDBForm;

extern TMainForm* MainForm;
extern TGlobalForm* GlobalForm;
extern TMatForm* MatForm;
extern TAboutBox* AboutBox;
extern TGlzDM* GlzDM;
extern TGlazForm* GlazForm;
extern TMatLkupForm* MatLkupForm;
extern TMatImportForm* MatImportForm;
extern THelpForm* HelpForm;
extern TVerwijderMatForm* VerwijderMatForm;
extern TUpgradeDBForm* UpgradeDBForm;

namespace ui {

// Creates the eleven objects in the order their dependencies need: the main
// window first (it makes the executable's folder the current directory), the
// language holder before any window that translates, the data module before
// the windows that bind to its views. The data module speaks through
// `prompter`, which must outlive the objects.
void createApplicationObjects(Prompter& prompter);

// Destroys them in the reverse order; each window writes its settings as it
// goes. A settings write that fails is shown in the error box (once, however
// many windows meet the same failure) and the other windows still try theirs.
void destroyApplicationObjects();

} // namespace ui
} // namespace kelvora
