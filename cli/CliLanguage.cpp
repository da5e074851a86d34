// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliLanguage.h"

#include "common/Translate.h"

#include <QString>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace kelvora::cli {

namespace {

std::vector<std::unique_ptr<QTranslator>>& translators() {
    static std::vector<std::unique_ptr<QTranslator>> loaded;
    return loaded;
}

// Asks the loaded catalogues in turn; an empty answer means "keep the source".
std::string fromCatalogues(const char* context, const char* source) {
    for (const auto& translator : translators()) {
        const QString text = translator->translate(context, source);
        if (!text.isEmpty()) return text.toStdString();
    }
    return {};
}

std::string refusal(const std::string& where, const std::string& value) {
    return fillIn(translate("Cli", "kelvora-cli: unknown language '%1' in %2 (en, de or nl)"),
                  {value, where});
}

} // namespace

bool CliLanguage::known(const std::string& code) {
    return code == "en" || code == "de" || code == "nl";
}

CliLanguage CliLanguage::take(std::vector<std::string>& words, const char* environment) {
    CliLanguage chosen;
    bool given = false;
    std::size_t i = 0;
    while (i < words.size()) {
        if (words[i] == "--db") {
            i += 2;
        } else if (words[i] == "--lang") {
            if (given || i + 1 >= words.size()) {
                chosen.error = translate("Cli", "kelvora-cli: --lang needs one of en, de or nl");
                return chosen;
            }
            chosen.code = words[i + 1];
            given = true;
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(i),
                        words.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else {
            break;
        }
    }
    if (given) {
        if (!known(chosen.code)) chosen.error = refusal("--lang", chosen.code);
    } else if (environment != nullptr && *environment != '\0') {
        chosen.code = environment;
        if (!known(chosen.code)) chosen.error = refusal("KELVORA_LANG", chosen.code);
    }
    if (!chosen.error.empty()) chosen.code.clear();
    return chosen;
}

int CliLanguage::installFrom(const std::filesystem::path& folder) const {
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    const std::string suffix = "_" + code + ".qm";
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("kelvora_", 0) == 0 && name.size() > suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            files.push_back(entry.path());
    }
    // A fixed order, so that the same catalogues always answer the same way.
    std::sort(files.begin(), files.end());
    int count = 0;
    for (const auto& file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QString::fromStdString(file.string()))) continue;
        translators().push_back(std::move(translator));
        ++count;
    }
    if (count > 0) setTranslateFunction(&fromCatalogues);
    return count;
}

int CliLanguage::install(const std::filesystem::path& executable) const {
    if (code.empty()) return 0;
    const auto bin = executable.parent_path();
    for (const auto& folder :
         {bin / "translations", bin.parent_path() / "share" / "kelvora" / "translations"})
        if (const int count = installFrom(folder); count > 0) return count;
    return 0;
}

} // namespace kelvora::cli
