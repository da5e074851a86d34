// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TableLayouts.h"
#include "model/OxideCatalogue.h"

#include <gtest/gtest.h>

using namespace kelvora;

TEST(OxideCatalogue, GroupsAreContiguousAndSized) {
    ASSERT_EQ(OxideCatalogue::all().size(), 33u);
    EXPECT_EQ(OxideCatalogue::group(OxideGroup::Basic).size(), 15u);
    EXPECT_EQ(OxideCatalogue::group(OxideGroup::Neutral).size(), 9u);
    EXPECT_EQ(OxideCatalogue::group(OxideGroup::Acid).size(), 9u);
    EXPECT_EQ(OxideCatalogue::group(OxideGroup::Neutral).front().position, 16);
    EXPECT_EQ(OxideCatalogue::group(OxideGroup::Acid).front().position, 25);
    for (int pos = 1; pos <= 33; ++pos)
        EXPECT_EQ(OxideCatalogue::at(pos).position, pos);
    EXPECT_THROW(OxideCatalogue::at(0), std::out_of_range);
    EXPECT_THROW(OxideCatalogue::at(34), std::out_of_range);
}

TEST(OxideCatalogue, LookupByStemAndPercentField) {
    struct Case {
        const char* stem;
        int position;
        const char* label;
        OxideGroup group;
        const char* percent;
    };
    const Case cases[] = {
        {"li2o", 1, "Li2O", OxideGroup::Basic, "li2oproc"},
        {"pbo", 15, "PbO", OxideGroup::Basic, "pboproc"},
        {"v2o5", 24, "V2O5", OxideGroup::Neutral, "v2o5proc"},
        {"mn2o3", 22, "Mn2O3", OxideGroup::Neutral, "mn2o3proc"},
        {"mno2", 30, "MnO2", OxideGroup::Acid, "mno2proc"},
        {"sb2o5", 33, "Sb2O5", OxideGroup::Acid, "sb2o5proc"},
    };
    for (const auto& c : cases) {
        const Oxide* o = OxideCatalogue::byStem(c.stem);
        ASSERT_NE(o, nullptr) << c.stem;
        EXPECT_EQ(o->position, c.position);
        EXPECT_EQ(o->label, c.label);
        EXPECT_EQ(o->group, c.group);
        EXPECT_EQ(o->percentField(), c.percent);
    }
    EXPECT_EQ(OxideCatalogue::byStem("Li2O"), nullptr);
    EXPECT_EQ(OxideCatalogue::byStem("h2o"), nullptr);
}

TEST(TableLayouts, MaterialsFieldsInTableOrder) {
    const auto& f = TableLayouts::materials();
    ASSERT_EQ(f.size(), 73u);
    EXPECT_EQ(f[0], (FieldDef{"naam", FieldType::Text, 40}));
    EXPECT_EQ(f[1], (FieldDef{"omsc", FieldType::Memo, 0}));
    EXPECT_EQ(f[5], (FieldDef{"besc", FieldType::Text, 1}));
    EXPECT_EQ(f[6].name, "li2o");
    EXPECT_EQ(f[38].name, "sb2o5");
    EXPECT_EQ(f[39], (FieldDef{"molproc", FieldType::Text, 1}));
    EXPECT_EQ(f[40].name, "li2oproc");
    EXPECT_EQ(f[72], (FieldDef{"sb2o5proc", FieldType::Float, 0}));
}

TEST(TableLayouts, GlazesFieldsInTableOrder) {
    const auto& f = TableLayouts::glazes();
    ASSERT_EQ(f.size(), 96u);
    EXPECT_EQ(f[4], (FieldDef{"tmpv", FieldType::Integer, 0}));
    EXPECT_EQ(f[6], (FieldDef{"tmpt", FieldType::Integer, 0}));
    EXPECT_EQ(f[8], (FieldDef{"catg", FieldType::Text, 70}));
    EXPECT_EQ(f[14], (FieldDef{"molp", FieldType::Text, 1}));
    EXPECT_EQ(f[15], (FieldDef{"mat1", FieldType::Text, 40}));
    EXPECT_EQ(f[16], (FieldDef{"mtp1", FieldType::Float, 0}));
    EXPECT_EQ(f[17], (FieldDef{"mtm1", FieldType::Float, 0}));
    EXPECT_EQ(f[50].name, "mtm12");
    EXPECT_EQ(f[51], (FieldDef{"tvs1", FieldType::Text, 40}));
    EXPECT_EQ(f[60].name, "tvp5");
    EXPECT_EQ(f[61].name, "li2o");
    EXPECT_EQ(f[93].name, "sb2o5");
    EXPECT_EQ(f[94], (FieldDef{"stat", FieldType::Text, 1}));
    EXPECT_EQ(f[95], (FieldDef{"gbop", FieldType::Text, 40}));
}
