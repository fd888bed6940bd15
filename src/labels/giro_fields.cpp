#include "labels/giro_fields.h"

#include <algorithm>
#include <array>

#include "print/report_writer.h"

namespace oltoma::labels {
namespace {

using enum GiroField;
using enum Writing;

constexpr int kOreDigits = 2;

constexpr std::array kPlusgiroFields{
    GiroFieldPlace{Message, 150, 140, 1050, 610, FittedLeft},
    GiroFieldPlace{Address, 1100, 360, 1800, 580, FittedLeft},
    GiroFieldPlace{TillG, 1100, 100, 1470, 150, FittedLeft},
    GiroFieldPlace{Mottagare, 1100, 185, 1650, 325, FittedLeft},
    GiroFieldPlace{EgetKonto, 1100, 625, 1920, 680, FittedLeft},
    GiroFieldPlace{AttBetala, 1135, 780, 1190, 830, Boxes, 36.3, 9, 4},
};

constexpr std::array kPostgiroFields{
    GiroFieldPlace{Referens, 1040, 140, 1090, 220, Boxes, 63.5, 12},
    GiroFieldPlace{Message, 190, 260, 1090, 580, FittedLeft},
    GiroFieldPlace{Address, 1170, 360, 2050, 580, FittedLeft},
    GiroFieldPlace{TillG, 1785, 140, 1835, 220, Boxes, 63.5, 10},
    GiroFieldPlace{Mottagare, 1170, 255, 2050, 335, FittedLeft},
    GiroFieldPlace{EgetKonto, 150, 700, 800, 755, FittedLeft},
    GiroFieldPlace{AttBetala, 1855, 670, 1910, 750, Boxes, 63.5, 8, 7, 34},
};

constexpr std::array kBankgiroFields{
    GiroFieldPlace{Message, 110, 90, 2040, 370, FittedLeft},
    GiroFieldPlace{Address, 110, 420, 1110, 600, FittedLeft},
    GiroFieldPlace{TillG, 1180, 670, 1620, 725, FittedLeft},
    GiroFieldPlace{Mottagare, 1150, 420, 2000, 600, FittedLeft},
    GiroFieldPlace{EgetKonto, 110, 670, 550, 725, FittedLeft},
    GiroFieldPlace{AttBetala, 620, 670, 1100, 725, FittedRight},
};

}  // namespace

std::span<const GiroFieldPlace> GiroFieldsOf(Tgirotyp kind) {
    switch (kind) {
        case Tgirotyp::plusgiro:
            return kPlusgiroFields;
        case Tgirotyp::postgiro:
            return kPostgiroFields;
        case Tgirotyp::bankgiro:
            return kBankgiroFields;
        default:
            return {};
    }
}

const GiroFieldPlace* FindGiroField(Tgirotyp kind, GiroField field) {
    const std::span<const GiroFieldPlace> fields = GiroFieldsOf(kind);
    const auto found =
        std::find_if(fields.begin(), fields.end(),
                     [field](const GiroFieldPlace& place) { return place.field == field; });
    return found == fields.end() ? nullptr : &*found;
}

void StepBoxLeft(int& left, int& right, double pitch) {
    left = RoundHalfEven(left - pitch);
    right = RoundHalfEven(right - pitch);
}

bool GapFollows(int drawn) {
    return drawn == 5 || drawn == 8;
}

std::vector<FieldExtent> BoxesOf(const GiroFieldPlace& place, int placeLeft) {
    std::vector<FieldExtent> boxes;
    int left = placeLeft + place.left;
    int right = placeLeft + place.right;
    for (int drawn = 1; drawn <= place.boxes; ++drawn) {
        boxes.push_back({left - placeLeft, place.top, right - placeLeft, place.bottom});
        StepBoxLeft(left, right, place.pitch);
        if (drawn == kOreDigits && place.decimalPointShift != 0) {
            left -= place.decimalPointShift;
            right -= place.decimalPointShift;
        }
        if (place.extraGap != 0 && GapFollows(drawn)) {
            left -= place.extraGap;
            right -= place.extraGap;
        }
    }
    return boxes;
}

FieldExtent ExtentOf(const GiroFieldPlace& place) {
    if (place.writing != Boxes) {
        return {place.left, place.top, place.right, place.bottom};
    }
    const std::vector<FieldExtent> boxes = BoxesOf(place);
    return {boxes.back().left, place.top, place.right, place.bottom};
}

}  // namespace oltoma::labels
