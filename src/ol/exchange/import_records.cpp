#include "ol/exchange/import_records.h"

#include <algorithm>

#include "base/files/exchange_field.h"
#include "base/text/padding.h"
#include "base/text/swedish_case.h"

namespace oltoma::ol {
namespace {

constexpr char kSeparator = ',';
constexpr std::size_t kCodeLength = 3;
constexpr std::size_t kCellLength = 10;
constexpr std::size_t kCourseNameLength = 12;
constexpr std::size_t kSymbolKeyLength = 10;
constexpr std::size_t kSymbolTextLength = 48;
constexpr int kSymbol24ValuesPerLine = 16;
constexpr int kSymbolValuesPerLine = 14;
constexpr int kSymbolPictureWidth = 40;

std::string Field(std::string_view line, int n) {
    return GetField(line, kSeparator, n);
}

std::string UpperCut(std::string_view text, std::size_t length) {
    return UpperString(text.substr(0, std::min(text.size(), length)));
}

// Key, text and number of a symbol's first line.
SymbolFields SymbolHeading(const std::vector<std::string>& lines) {
    SymbolFields fields;
    const std::string first = lines.empty() ? std::string() : lines[0];
    fields.key = UpperCut(Field(first, 1), kSymbolKeyLength);
    const std::string text = Field(first, 2);
    fields.text = text.substr(0, std::min(text.size(), kSymbolTextLength));
    fields.number = FieldSmallint(Field(first, 3));
    return fields;
}

std::string_view LineOf(const std::vector<std::string>& lines, int line) {
    return static_cast<std::size_t>(line - 1) < lines.size() ? std::string_view(lines[line - 1])
                                                             : std::string_view();
}

}  // namespace

std::string ControlCodeOfField(std::string_view field) {
    std::string code = UpperCut(field, kCodeLength);
    if (!code.empty() && code[0] >= '0' && code[0] <= '9') {
        code = PadLeft(code, ' ', static_cast<int>(kCodeLength));
    }
    return code;
}

ControlFields ParseControl(std::string_view line) {
    ControlFields fields;
    fields.code = ControlCodeOfField(Field(line, 1));
    for (int k = 0; k < kDescriptionEntryCount; ++k) {
        fields.cells[k] = UpperCut(Field(line, k + 2), kCellLength);
    }
    fields.posX = FieldNumber(Field(line, 10));
    fields.posY = FieldNumber(Field(line, 11));
    return fields;
}

CourseFields ParseCourse(std::string_view line) {
    CourseFields fields;
    fields.name = UpperCut(Field(line, 1), kCourseNameLength);
    fields.length = FieldNumber(Field(line, 2));
    fields.climb = FieldSmallint(Field(line, 3));
    for (int n = 4;; ++n) {
        const std::string code = Field(line, n);
        if (code.empty()) {
            break;
        }
        fields.codes.push_back(ControlCodeOfField(code));
    }
    return fields;
}

int Symbol24PictureOffset(int line, int value) {
    const int c = line - 2;
    const int band = c / 9;
    const int strip = c % 3;
    const int firstColumn = (c / 3) * kSymbol24ValuesPerLine % kSymbolColumnCount;
    return kSymbolRowCount * kSymbolColumnCount * band + kSymbolColumnCount * strip + firstColumn +
           value;
}

SymbolFields ParseSymbol24(const std::vector<std::string>& lines) {
    SymbolFields fields = SymbolHeading(lines);
    fields.picture.assign(kSymbol24PictureBytes, 0);
    for (int line = 2; line <= kSymbol24Lines; ++line) {
        const std::string_view text = LineOf(lines, line);
        for (int value = 0; value < kSymbol24ValuesPerLine; ++value) {
            fields.picture[Symbol24PictureOffset(line, value)] = FieldByte(Field(text, value + 1));
        }
    }
    return fields;
}

SymbolFields ParseSymbol(const std::vector<std::string>& lines) {
    SymbolFields fields = SymbolHeading(lines);
    fields.picture.assign(kSymbolPictureBytes, 0);
    for (int line = 2; line <= kSymbolLines; ++line) {
        const int c = line - 2;
        const int strip = c % 3;
        const int firstColumn = (c / 3) * kSymbolValuesPerLine;
        const std::string_view text = LineOf(lines, line);
        for (int column = firstColumn;
             column < std::min(firstColumn + kSymbolValuesPerLine, kSymbolPictureWidth); ++column) {
            fields.picture[kSymbolPictureWidth * strip + column] =
                FieldByte(Field(text, column - firstColumn + 1));
        }
    }
    return fields;
}

}  // namespace oltoma::ol
