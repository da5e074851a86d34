// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/LanguageHolder.h"

#include <QWidget>

#include <string>
#include <string_view>

namespace kelvora {

class SettingsFile;

// Holds the interface language of the run. It is a window that is never
// shown; it starts the run's language holder in Dutch and keeps the language
// in the run's settings when it is destroyed at the end of the run.
class TGlobalForm : public QWidget {
    Q_OBJECT
public:
    TGlobalForm(LanguageHolder& language, SettingsFile& settings, QWidget* parent = nullptr);
    ~TGlobalForm() override;

    int Taal() const { return language_.taal(); }
    void setTaal(int taal) { language_.setTaal(taal); }
    // The caption of `key` in the current language.
    std::string Translate(std::string_view key) const { return language_.translate(key); }

private:
    void FormCreate();
    void FormDestroy();
    LanguageHolder& language_;
    SettingsFile& settings_;
};

} // namespace kelvora
