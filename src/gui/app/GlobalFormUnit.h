#pragma once
#include "common/LanguageHolder.h"

#include <QWidget>

#include <string>
#include <string_view>

namespace kelvora {

// Holds the interface language of the run. It is a window that is never
// shown; it starts in Dutch and writes the language to the settings file
// when it is destroyed at the end of the run.
class TGlobalForm : public QWidget {
    Q_OBJECT
public:
    explicit TGlobalForm(QWidget* parent = nullptr);
    ~TGlobalForm() override;

    int Taal() const { return language_.taal(); }
    void setTaal(int taal) { language_.setTaal(taal); }
    // The caption of `key` in the current language.
    std::string Translate(std::string_view key) const { return language_.translate(key); }

private:
    void FormCreate();
    void FormDestroy();
    LanguageHolder language_;
};

// The caption of `key` in the interface language of the run (the language
// held by the program's TGlobalForm; Dutch before it exists).
std::string Translate(std::string_view key);

} // namespace kelvora
