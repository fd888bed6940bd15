// The field tables: each covers its record byte for byte, in layout order,
// and describes its fields' shapes as the record types hold them.
#include "ol/data/records/record_field_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace oltoma::ol {
namespace {

struct TableCase {
    const char* record;
    FieldTable (*fields)();
    std::size_t size;
};

class FieldTables : public ::testing::TestWithParam<TableCase> {};

std::size_t Elements(const FieldDescriptor& field) {
    std::size_t count = 1;
    for (int i = 0; i < field.rank; ++i) {
        count *= static_cast<std::size_t>(field.shape[static_cast<std::size_t>(i)]);
    }
    return count;
}

TEST_P(FieldTables, CoverTheirRecordByteForByte) {
    const TableCase& table = GetParam();
    std::size_t next = 0;
    std::set<std::string_view> names;
    for (const FieldDescriptor& field : table.fields()) {
        EXPECT_EQ(field.offset, next) << table.record << "." << field.name;
        EXPECT_EQ(field.size, field.elementSize * Elements(field))
            << table.record << "." << field.name;
        EXPECT_NE(field.kind, FieldKind::Unspecified) << field.name;
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        next = field.offset + field.size;
    }
    EXPECT_EQ(next, table.size) << table.record;
}

INSTANTIATE_TEST_SUITE_P(
    Records, FieldTables,
    ::testing::Values(TableCase{"InfoRec", &FieldsOf<InfoRec>, sizeof(InfoRec)},
                      TableCase{"AvgType", &FieldsOf<AvgType>, sizeof(AvgType)},
                      TableCase{"KlassRec", &FieldsOf<KlassRec>, sizeof(KlassRec)},
                      TableCase{"DeltRec", &FieldsOf<DeltRec>, sizeof(DeltRec)},
                      TableCase{"ClubRec", &FieldsOf<ClubRec>, sizeof(ClubRec)},
                      TableCase{"DistrRec", &FieldsOf<DistrRec>, sizeof(DistrRec)},
                      TableCase{"KontrRec", &FieldsOf<KontrRec>, sizeof(KontrRec)},
                      TableCase{"TrackRec", &FieldsOf<TrackRec>, sizeof(TrackRec)},
                      TableCase{"RutbRec", &FieldsOf<RutbRec>, sizeof(RutbRec)},
                      TableCase{"Rutb24Rec", &FieldsOf<Rutb24Rec>, sizeof(Rutb24Rec)}),
    [](const ::testing::TestParamInfo<TableCase>& info) { return std::string(info.param.record); });

const FieldDescriptor& Field(FieldTable table, std::string_view name) {
    for (const FieldDescriptor& field : table) {
        if (field.name == name) {
            return field;
        }
    }
    static const FieldDescriptor none;
    ADD_FAILURE() << "no field " << name;
    return none;
}

struct ShapeCase {
    FieldTable (*fields)();
    const char* name;
    FieldKind kind;
    std::size_t elementSize;
    std::vector<int> shape;
};

class FieldShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(FieldShapes, FollowTheMemberTypes) {
    const ShapeCase& expected = GetParam();
    const FieldDescriptor& field = Field(expected.fields(), expected.name);
    EXPECT_EQ(field.kind, expected.kind);
    EXPECT_EQ(field.elementSize, expected.elementSize);
    EXPECT_EQ(std::vector<int>(field.shape.begin(), field.shape.begin() + field.rank),
              expected.shape);
}

INSTANTIATE_TEST_SUITE_P(
    Members, FieldShapes,
    ::testing::Values(ShapeCase{&FieldsOf<InfoRec>, "Count", FieldKind::Integer, 2, {6, 26}},
                      ShapeCase{&FieldsOf<InfoRec>, "adress", FieldKind::Text, 23, {4, 5}},
                      ShapeCase{&FieldsOf<InfoRec>, "Avg", FieldKind::Record, 16, {}},
                      ShapeCase{&FieldsOf<InfoRec>, "Days", FieldKind::Boolean, 1, {}},
                      ShapeCase{&FieldsOf<InfoRec>, "gemen", FieldKind::ByteWord, 2, {}},
                      ShapeCase{&FieldsOf<InfoRec>, "tvltyp", FieldKind::Char16, 2, {}},
                      ShapeCase{&FieldsOf<InfoRec>, "ExtraFileName", FieldKind::PathText, 1025, {}},
                      ShapeCase{&FieldsOf<KlassRec>, "SegrTid", FieldKind::Integer, 4, {6, 26}},
                      ShapeCase{&FieldsOf<KlassRec>, "Struken", FieldKind::Boolean, 1, {6}},
                      ShapeCase{&FieldsOf<TrackRec>, "KodNr", FieldKind::Text, 4, {35}},
                      ShapeCase{&FieldsOf<TrackRec>, "Padding1", FieldKind::Padding, 1, {3}},
                      ShapeCase{
                          &FieldsOf<Rutb24Rec>, "Symbol", FieldKind::Integer, 1, {3, 3, 48}}));

TEST(FieldTables, SignednessFollowsTheType) {
    EXPECT_TRUE(Field(FieldsOf<InfoRec>(), "resDag").isSigned);
    EXPECT_FALSE(Field(FieldsOf<InfoRec>(), "mTabell").isSigned);
    EXPECT_FALSE(Field(FieldsOf<InfoRec>(), "kort").isSigned);
}

}  // namespace
}  // namespace oltoma::ol
