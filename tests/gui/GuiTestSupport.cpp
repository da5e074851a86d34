// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiTestSupport.h"

#include "app/AppComposition.h"
#include "app/Installation.h"
#include "app/Startup.h"
#include "glaze/GlazFormUnit.h"
#include "materials/MatFormUnit.h"
#include "model/OxideCatalogue.h"
#include "store/RecordMapper.h"
#include "widgets/DBEdit.h"
#include "widgets/ErrorBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

namespace kelvora::test {

void failChildLookup(const QObject* parent, const char* type, const QString& name, qsizetype found) {
    const QString where = !parent ? QStringLiteral("(no window)")
                          : parent->objectName().isEmpty()
                              ? QString::fromLatin1(parent->metaObject()->className())
                              : parent->objectName();
    const QString what = QStringLiteral("%1 named \"%2\" in %3").arg(QString::fromLatin1(type), name, where);
    const QString problem = found == 0 ? QStringLiteral("no ") + what
                                       : QString::number(found) + QStringLiteral(" controls: ") + what;
    // A fatal message fails the running test function with this text and
    // ends the program: a test cannot go on without the control it drives.
    qFatal("%s", qPrintable(problem));
}

ui::DBEdit* molarEdit(const TMatForm& form, std::string_view stem) {
    return child<ui::DBEdit>(&form, std::string(stem) + "Edit");
}

ui::DBEdit* percentEdit(const TMatForm& form, std::string_view stem) {
    const Oxide* oxide = OxideCatalogue::byStem(stem);
    return child<ui::DBEdit>(&form, (oxide ? oxide->percentField() : std::string(stem)) + "Edit");
}

namespace {
// The editor names each slot's edit after the field it is bound to.
ui::DBEdit* editorField(const std::string& field) {
    return child<ui::DBEdit>(glazForm(), field);
}
int slotNumber(std::size_t index) {
    return static_cast<int>(index) + 1;
}
} // namespace

ui::DBEdit* matEdit(std::size_t index) {
    return editorField(SlotFields::name(SlotKind::Recipe, slotNumber(index)));
}
ui::DBEdit* mtmEdit(std::size_t index) {
    return editorField(SlotFields::mols(slotNumber(index)));
}
ui::DBEdit* mtpEdit(std::size_t index) {
    return editorField(SlotFields::amount(SlotKind::Recipe, slotNumber(index)));
}
ui::DBEdit* tvsEdit(std::size_t index) {
    return editorField(SlotFields::name(SlotKind::Addition, slotNumber(index)));
}
ui::DBEdit* tvpEdit(std::size_t index) {
    return editorField(SlotFields::amount(SlotKind::Addition, slotNumber(index)));
}

QString cellText(const QAbstractItemView* grid, int row, int column) {
    return grid->model()->index(row, column).data(Qt::DisplayRole).toString();
}

QStringList columnTexts(const QAbstractItemView* grid, int column) {
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << cellText(grid, row, column);
    return texts;
}

bool copyTree(const QString& from, const QString& to) {
    QDir source(from);
    if (!source.exists()) return false;
    if (!QDir().mkpath(to)) return false;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        if (!QFile::copy(file, target)) return false;
    }
    return true;
}

TestInstallation::TestInstallation() : TestInstallation(Options{}) {}

TestInstallation::TestInstallation(const Options& options) {
    previousWorkingFolder_ = QDir::currentPath();
    folder_ = temp_.path();
    if (!options.subfolder.isEmpty()) {
        folder_ = QDir(folder_).filePath(options.subfolder);
        QDir().mkpath(folder_);
    }
    executable_ =
        options.executable.isEmpty() ? QDir(folder_).filePath(QStringLiteral("kelvora")) : options.executable;
    if (options.executable.isEmpty()) {
        QFile exe(executable_);
        if (exe.open(QIODevice::WriteOnly)) exe.close();
    }
    if (options.data)
        copyTree(QStringLiteral(KELVORA_STARTER_DATA), QDir(folder_).filePath(QStringLiteral("db0991")));
    if (options.manual)
        copyTree(QStringLiteral(KELVORA_MANUAL_SOURCE), QDir(folder_).filePath(QStringLiteral("manual")));
    ui::setExecutablePath(executable_);
}

TestInstallation::~TestInstallation() {
    ui::setExecutablePath(QString());
    QDir::setCurrent(previousWorkingFolder_);
}

QString TestInstallation::settingsPath() const {
    return QString::fromStdString(settingsPathForExecutable(executable_.toStdString()));
}

QString TestInstallation::readSettings() const {
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

void TestInstallation::writeSettings(const QString& text) const {
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text.toUtf8());
}

QStringList TestInstallation::settingsSections() const {
    QStringList sections;
    static const QRegularExpression header(QStringLiteral("^\\s*\\[([^\\]]*)\\]"),
                                           QRegularExpression::MultilineOption);
    auto it = header.globalMatch(readSettings());
    while (it.hasNext())
        sections << it.next().captured(1);
    return sections;
}

int TestInstallation::settingsValue(const QString& section, const QString& key, int missing) const {
    const IniFile ini(settingsPath().toStdString());
    return ini.readInteger(section.toStdString(), key.toStdString(), missing);
}

namespace {
std::unique_ptr<ui::AppComposition>& running() {
    static std::unique_ptr<ui::AppComposition> app;
    return app;
}
// A program that ended at start-up (the data in use elsewhere, the user said
// Nee) has made only its main window: every other part is absent.
template <class T> T* part(T& (ui::AppComposition::*get)() const) {
    return running() && running()->started() ? &(running().get()->*get)() : nullptr;
}
} // namespace

void startProgram(Prompter& prompter) {
    running() = std::make_unique<ui::AppComposition>(prompter);
}
void endProgram() {
    running().reset();
}
ui::AppComposition* program() {
    return running().get();
}
TMainForm* mainForm() {
    return running() ? &running()->mainForm() : nullptr;
}
TGlobalForm* globalForm() {
    return part(&ui::AppComposition::globalForm);
}
TMatForm* matForm() {
    return part(&ui::AppComposition::matForm);
}
TAboutBox* aboutBox() {
    return part(&ui::AppComposition::aboutBox);
}
TGlzDM* glzDM() {
    return part(&ui::AppComposition::dataModule);
}
TGlazForm* glazForm() {
    return part(&ui::AppComposition::glazForm);
}
TMatLkupForm* matLkupForm() {
    return part(&ui::AppComposition::matLkupForm);
}
TMatImportForm* matImportForm() {
    return part(&ui::AppComposition::matImportForm);
}
THelpForm* helpForm() {
    return part(&ui::AppComposition::helpForm);
}
TVerwijderMatForm* verwijderMatForm() {
    return part(&ui::AppComposition::verwijderMatForm);
}
TUpgradeDBForm* upgradeDBForm() {
    return part(&ui::AppComposition::upgradeDBForm);
}

namespace {
// Polls for the modal window that an action is about to open and deletes
// itself once it has handled it (or after two seconds without one).
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> inspect) : inspect_(std::move(inspect)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(10);
    }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (++attempts_ >= 200) deleteLater();
            return;
        }
        timer_.stop();
        QPointer<QWidget> open(modal);
        inspect_(modal);
        if (open && open->isVisible()) open->close();
        deleteLater();
    }
    std::function<void(QWidget*)> inspect_;
    QTimer timer_;
    int attempts_ = 0;
};
} // namespace

void whenModalOpens(std::function<void(QWidget*)> inspect) {
    new ModalWatcher(std::move(inspect));
}

void prepareTestApplication() {
    ui::prepareApplication(*static_cast<QApplication*>(QApplication::instance()));
    // An error box nobody expected must not stop the run waiting for a click:
    // it is printed, and the test that did not expect it sees it fail there.
    ui::setErrorSink([](QWidget*, const std::string& text) {
        qWarning("Unexpected error box: %s", text.c_str());
        unexpectedErrorBoxes().push_back(text);
    });
}

std::vector<std::string>& unexpectedErrorBoxes() {
    static std::vector<std::string> texts;
    return texts;
}

bool noUnexpectedErrorBoxes() {
    const bool none = unexpectedErrorBoxes().empty();
    unexpectedErrorBoxes().clear();
    return none;
}

} // namespace kelvora::test
