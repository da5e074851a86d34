// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/RecordingPrompter.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QAbstractItemView;
class QWidget;

namespace kelvora {
class TAboutBox;
class TGlazForm;
class TGlobalForm;
class TGlzDM;
class THelpForm;
class TMainForm;
class TMatForm;
class TMatImportForm;
class TMatLkupForm;
class TUpgradeDBForm;
class TVerwijderMatForm;
namespace ui {
class AppComposition;
class DBEdit;
} // namespace ui
} // namespace kelvora

namespace kelvora::test {

// A throw-away installation: a folder with a pretend executable "kelvora",
// optionally the starter data (db0991) and the manual beside it. While it
// lives the program takes that executable for its own, so the settings file,
// the data and the manual are looked for there. The working folder is put
// back when it goes.
class TestInstallation {
public:
    struct Options {
        bool data = true;
        bool manual = true;
        QString subfolder = {};  // e.g. "met spaties" for a folder name with blanks
        QString executable = {}; // a full path to pretend instead of <folder>/kelvora
    };
    TestInstallation();
    explicit TestInstallation(const Options& options);
    ~TestInstallation();

    QString folder() const { return folder_; }
    QString executable() const { return executable_; }
    QString settingsPath() const;
    QString readSettings() const;
    void writeSettings(const QString& text) const;
    // The section names of the settings file in the order they stand.
    QStringList settingsSections() const;
    int settingsValue(const QString& section, const QString& key, int missing = -9999) const;

private:
    QTemporaryDir temp_;
    QString folder_;
    QString executable_;
    QString previousWorkingFolder_;
};

// The prompter the windows speak through, for the time of one test: hand
// `recorder` to the program (startProgram) or to the control under test.
class ScopedPrompter {
public:
    RecordingPrompter recorder;
};

// The program as the entry routine makes it (one composition object), for
// the test that runs; endProgram() takes it down as the end of a run does.
void startProgram(Prompter& prompter);
void endProgram();
ui::AppComposition* program();
// The program's objects while it runs, nullptr otherwise.
TMainForm* mainForm();
TGlobalForm* globalForm();
TMatForm* matForm();
TAboutBox* aboutBox();
TGlzDM* glzDM();
TGlazForm* glazForm();
TMatLkupForm* matLkupForm();
TMatImportForm* matImportForm();
THelpForm* helpForm();
TVerwijderMatForm* verwijderMatForm();
TUpgradeDBForm* upgradeDBForm();

// Runs `inspect` on the next modal window as soon as it is open, then closes
// that window unless `inspect` already did. Call before the action that opens it.
void whenModalOpens(std::function<void(QWidget*)> inspect);

// The application set up as the program sets it up (pictures, Dutch texts).
// Error boxes that no ErrorBoxCapture expects are recorded, not shown.
void prepareTestApplication();
std::vector<std::string>& unexpectedErrorBoxes();
// True when no unexpected error box was shown since the last call.
bool noUnexpectedErrorBoxes();

// The one child of `parent` (at any depth) of type T with this object name,
// as the tests find every control of a window. A name that matches no child,
// or more than one, fails the test there with the name, the type and the
// parent; nothing goes on with a missing control.
[[noreturn]] void failChildLookup(const QObject* parent, const char* type, const QString& name,
                                  qsizetype found);
template <class T> T* child(const QObject* parent, const QString& name) {
    const QList<T*> found = parent ? parent->findChildren<T*>(name) : QList<T*>{};
    if (found.size() != 1) failChildLookup(parent, T::staticMetaObject.className(), name, found.size());
    return found.front();
}
template <class T> T* child(const QObject* parent, const char* name) {
    return child<T>(parent, QString::fromUtf8(name));
}
template <class T> T* child(const QObject* parent, const std::string& name) {
    return child<T>(parent, QString::fromStdString(name));
}

// The materials window's edit of an oxide's molar value or of its weight
// percentage, by the oxide's stem ("k2o"), found by object name as above.
ui::DBEdit* molarEdit(const TMatForm& form, std::string_view stem);
ui::DBEdit* percentEdit(const TMatForm& form, std::string_view stem);

// The running glaze editor's edits of one recipe line (material, mols,
// percentage) or one addition (material, parts), `index` counted from 0.
ui::DBEdit* matEdit(std::size_t index);
ui::DBEdit* mtmEdit(std::size_t index);
ui::DBEdit* mtpEdit(std::size_t index);
ui::DBEdit* tvsEdit(std::size_t index);
ui::DBEdit* tvpEdit(std::size_t index);

// The text a grid shows in one cell, and down one column, read through its
// model as the view draws it.
QString cellText(const QAbstractItemView* grid, int row, int column);
QStringList columnTexts(const QAbstractItemView* grid, int column);

// Copies a folder tree.
bool copyTree(const QString& from, const QString& to);

} // namespace kelvora::test
