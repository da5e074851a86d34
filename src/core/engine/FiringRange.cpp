// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FiringRange.h"

#include <cmath>

namespace kelvora {

namespace {
// Catalogue positions of the oxides the estimate reads, found once.
struct EstimateOxides {
    static std::size_t at(const char* stem) {
        return static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1);
    }
    std::size_t li2o = at("li2o"), na2o = at("na2o"), k2o = at("k2o"), mgo = at("mgo"), cao = at("cao"),
                sro = at("sro"), bao = at("bao"), zno = at("zno"), pbo = at("pbo"), b2o3 = at("b2o3"),
                al2o3 = at("al2o3"), sio2 = at("sio2");
};
} // namespace

FiringRange FiringRange::estimate(const std::array<double, OxideCatalogue::count>& oxides) {
    static const EstimateOxides o;
    const double li2o = oxides[o.li2o], na2o = oxides[o.na2o], k2o = oxides[o.k2o], mgo = oxides[o.mgo],
                 cao = oxides[o.cao], sro = oxides[o.sro], bao = oxides[o.bao], zno = oxides[o.zno],
                 pbo = oxides[o.pbo], b2o3 = oxides[o.b2o3], al2o3 = oxides[o.al2o3], sio2 = oxides[o.sio2];

    enum class Type { None, Lead, Boron, Leadless } type = Type::None;
    double t = 0.0;
    double h = 20.0;
    if (pbo >= 0.2) {
        type = Type::Lead;
        t = 1070.0;
    } else if (b2o3 >= 0.1) {
        type = Type::Boron;
        t = 1100.0;
    } else if (pbo < 0.01) {
        type = Type::Leadless;
        t = 1180.0;
    }
    const bool unleaded = type == Type::Boron || type == Type::Leadless;

    if (al2o3 > 0) {
        t += 50.0 * al2o3;
        h += 10.0 * al2o3;
    }
    if (sio2 > 0) t += 17.0 * sio2;
    if (mgo > 0) {
        if (mgo < 0.1)
            t -= 20.0;
        else
            t += 30.0 * (mgo - 0.1);
    }
    if (cao > 0) {
        if (type == Type::Boron) t -= 5.0 * cao;
        if (type == Type::Leadless) t -= 6.0 * cao;
    }
    if (zno > 0 && unleaded) t -= 80.0 * zno;
    if (bao > 0 && unleaded) {
        t -= 25.0 * bao;
        if (h > 5) h -= 5.0;
    }
    if (sro > 0 && unleaded) t -= 80.0 * sro;
    if (pbo > 0) t -= 25.0 * pbo;
    if (b2o3 > 0) {
        t -= 20.0 * b2o3;
        h += 10.0 * b2o3;
    }
    if (na2o > 0) t -= 130.0 * na2o;
    if (k2o > 0) t -= 135.0 * k2o;
    if (li2o > 0) t -= 140.0 * li2o;

    if (type == Type::None) return {0.0, 0.0};
    // nearbyint rounds an exact half to the even neighbour.
    t = 10.0 * std::nearbyint(t / 10.0);
    h = 10.0 * std::nearbyint(h / 10.0);
    return {t - h, t + h};
}

} // namespace kelvora
