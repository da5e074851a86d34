#include "app/AppObjects.h"

#include "app/AboutBoxUnit.h"
#include "app/GlobalFormUnit.h"
#include "app/HelpFormUnit.h"
#include "app/MainFormUnit.h"
#include "engine/GlzDMUnit.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "materials/MatFormUnit.h"
#include "materials/MatImportFormUnit.h"
#include "materials/MatLkupFormUnit.h"
#include "store/UpgradeDBFormUnit.h"
#include "widgets/ErrorBox.h"

namespace kelvora {

TMainForm* MainForm = nullptr;
TGlobalForm* GlobalForm = nullptr;
TMatForm* MatForm = nullptr;
TAboutBox* AboutBox = nullptr;
TGlzDM* GlzDM = nullptr;
TGlazForm* GlazForm = nullptr;
TMatLkupForm* MatLkupForm = nullptr;
TMatImportForm* MatImportForm = nullptr;
THelpForm* HelpForm = nullptr;
TVerwijderMatForm* VerwijderMatForm = nullptr;
TUpgradeDBForm* UpgradeDBForm = nullptr;

namespace ui {

void createApplicationObjects(Prompter& prompter) {
    MainForm = new TMainForm();
    GlobalForm = new TGlobalForm();
    MatForm = new TMatForm(MainForm);
    AboutBox = new TAboutBox(MainForm);
    GlzDM = new TGlzDM(prompter);
    GlazForm = new TGlazForm(MainForm);
    MatLkupForm = new TMatLkupForm();
    MatImportForm = new TMatImportForm(MainForm);
    HelpForm = new THelpForm();
    VerwijderMatForm = new TVerwijderMatForm(GlazForm);
    UpgradeDBForm = new TUpgradeDBForm(MainForm);
}

namespace {
template <class T> void destroy(T*& object) {
    delete object;
    object = nullptr;
}
} // namespace

void destroyApplicationObjects() {
    // A settings file that cannot be written is reported once, not by every window.
    ErrorRepeatSuppression reportOnce;
    destroy(UpgradeDBForm);
    destroy(VerwijderMatForm);
    destroy(HelpForm);
    destroy(MatImportForm);
    destroy(MatLkupForm);
    destroy(GlazForm);
    destroy(GlzDM);
    destroy(AboutBox);
    destroy(MatForm);
    destroy(GlobalForm);
    destroy(MainForm);
}

} // namespace ui
} // namespace kelvora
