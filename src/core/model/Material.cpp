// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Material.h"

#include "common/Translate.h"

namespace kelvora {

std::string Material::withoutAnalysisNote(const std::string& name) {
    return fillIn(translate("Material", "zonder analyse: %1"), {name});
}

} // namespace kelvora
