#include "ol/exchange/import_store.h"

#include <algorithm>
#include <span>
#include <string>

#include "base/files/exchange_field.h"
#include "base/files/exchange_file.h"
#include "base/messages/messages.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/control_uses.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/files/storage_failure.h"
#include "ol/data/records/record_keys.h"
#include "ol/exchange/import_log.h"
#include "storage/access_layer.h"
#include "storage/isam_status.h"

namespace oltoma::ol {
namespace {

constexpr int kStatusCode = 1;
constexpr int kFirstFilesErrorClass = 3;  // 3 undone failure, 4 damage

void ShowStatus(std::string_view text) {
    DisplayMessage(kStatusCode, text);
}

void ShowAndLog(std::string_view text) {
    ShowStatus(text);
    ImportLogMessage(text);
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The key a record with this key field is stored under.
std::string StoredKey(const std::string& key) {
    return key.empty() ? std::string(kEmptyKeyText) : key;
}

std::string RecordText(std::string_view what, std::string_view key, std::int32_t rc) {
    return std::string(what) + std::string(key) + " Record:" + IntSpacePadded(rc, 4);
}

StoreOutcome Stored(std::string_view text, bool added) {
    CountRecord(text, added ? 1 : 0, added ? 0 : 1);
    return StoreOutcome::stored;
}

// A record whose lookup or store failed: counted as faulty, the register's
// failure text logged; failures of the files themselves end the file.
StoreOutcome Failed(std::string_view text) {
    CountRecord(text, 0, 0);
    ImportLogMessage(MessageLine.view());
    const int code = LastReportedStorageError();
    return code != 0 && storage::IsamErrorClass(code) >= kFirstFilesErrorClass
               ? StoreOutcome::stop
               : StoreOutcome::faulty;
}

// Finds by key; false with `failed` set when the lookup itself failed.
template <typename Find>
bool FindByKey(Find find, const std::string& key, std::int32_t& rc, bool& failed) {
    bool notFound = true;
    bool ok = false;
    ForgetReportedStorageError();
    find(FindMode::kByKey, key, rc, notFound, ok);
    failed = notFound && LastReportedStorageError() != 0;
    return !notFound;
}

bool IsSymbolKey(const std::string& cell) {
    std::int32_t rc = 0;
    bool notFound = true;
    bool ok = false;
    if (Ol().Route24FileOpen) {
        FindRoute24(FindMode::kByKey, cell, rc, notFound, ok);
    } else if (Ol().RouteFileOpen) {
        FindRoute(FindMode::kByKey, cell, rc, notFound, ok);
    }
    return !notFound;
}

// A dimension rather than a symbol: a number, or one that stops at ".",
// "/" or "_" (12.5, 1/2, 10_20).
bool IsDimension(const std::string& cell) {
    const NumberReading reading = ReadNumber(cell);
    if (reading.digits && reading.stop == cell.size()) {
        return true;
    }
    return reading.stop < cell.size() &&
           std::string_view("./_").find(cell[reading.stop]) != std::string_view::npos;
}

void CheckCells(const ControlFields& fields) {
    for (int k = 0; k < kDescriptionEntryCount; ++k) {
        const std::string& cell = fields.cells[k];
        if (cell.empty() || IsSymbolKey(cell) || IsDimension(cell)) {
            continue;
        }
        ShowAndLog("KodNr: " + Quoted(fields.code) + "," + Quoted(cell) +
                   " Ruta:" + static_cast<char>('A' + k) + " ... ej funnen");
    }
}

// The register operations of one of the two route description files.
template <typename Record>
struct SymbolRegister {
    RecordBuffer<Record>& buffer;
    bool (*find)(int, std::string_view, std::int32_t&, bool&, bool&);
    void (*clear)();
    bool (*save)(bool, std::int32_t&);
    bool (*rewrite)(std::int32_t);
};

// A symbol of either file: found under its key and rewritten, or added.
template <typename Record, typename Picture>
StoreOutcome StoreSymbolOf(const SymbolRegister<Record>& file, const SymbolFields& fields,
                           Picture picture) {
    const std::string key = StoredKey(fields.key);
    std::int32_t rc = 0;
    bool failed = false;
    const bool found = FindByKey(file.find, key, rc, failed);
    if (failed) {
        return Failed(key);
    }
    const std::string foundKey = file.buffer.rec.Namn.str();
    if (!found) {
        file.clear();
    }
    Record& symbol = file.buffer.rec;
    symbol.Namn = key;
    symbol.Text = fields.text;
    symbol.Mark = fields.number;
    const std::span<std::uint8_t> bytes = picture(symbol);
    std::copy_n(fields.picture.begin(), std::min(fields.picture.size(), bytes.size()),
                bytes.begin());
    ForgetReportedStorageError();
    const bool stored = found ? file.rewrite(rc) : file.save(true, rc);
    const std::string text = found ? foundKey + "->" + key : key;
    return stored ? Stored(text, !found) : Failed(text);
}

}  // namespace

StoreOutcome StoreControl(const ControlFields& fields) {
    OlState& ol = Ol();
    const std::string key = StoredKey(fields.code);
    std::int32_t rc = 0;
    bool failed = false;
    const bool found = FindByKey(&FindControl, key, rc, failed);
    if (failed) {
        return Failed(RecordText("Kontr: ", key, 0));
    }
    if (!found) {
        ClearControl();
        const std::int32_t used = storage::UsedRecs(ol.controlFile);
        if (used >= kMaxImportedControls) {
            ShowStatus(Windows1252FromUtf8("Max antal kontroller uppnått kan ej addera!"));
            return StoreOutcome::stop;
        }
        ol.control.rec.KodNr = key;
    }
    KontrRec& control = ol.control.rec;
    if (!(found && fields.keepCells)) {
        CheckCells(fields);
        for (int k = 0; k < kDescriptionEntryCount; ++k) {
            control.R[k] = fields.cells[k];
        }
    }
    if (!(found && fields.keepPosition)) {
        control.posX = fields.posX;
        control.posY = fields.posY;
    }
    ForgetReportedStorageError();
    const bool stored = found ? RewriteControl(rc) : SaveControl(true, rc);
    const std::string text = RecordText("Kontr: ", key, stored ? rc : 0);
    return stored ? Stored(text, !found) : Failed(text);
}

StoreOutcome StoreCourse(const CourseFields& fields) {
    OlState& ol = Ol();
    const std::string key = StoredKey(fields.name);
    std::int32_t rc = 0;
    bool failed = false;
    const bool found = FindByKey(&FindCourse, key, rc, failed);
    if (failed) {
        return Failed(RecordText("Bana: ", key, 0));
    }
    if (!found) {
        ClearCourse();
        ol.course.rec.Bana = key;
    }
    TrackRec& course = ol.course.rec;
    const int split = ol.competition.rec.MellanTid;
    if (split >= 0 && split < kPositionCount) {
        course.BanSize[split] = fields.length;
    }
    course.Rise = fields.climb;
    course.Antal = 0;
    for (const std::string& code : fields.codes) {
        if (course.Antal == kCourseControlCount) {
            ShowAndLog(Windows1252FromUtf8("Max antal kontroller per bana uppnått kan ej addera! "
                                           "Bana ") +
                       Quoted(key));
            break;
        }
        course.KodNr[course.Antal] = code;
        ++course.Antal;
        std::int32_t controlRc = 0;
        bool controlFailed = false;
        if (!FindByKey(&FindControl, StoredKey(code), controlRc, controlFailed)) {
            ShowAndLog("Odefinierad kodsiffra (kontrollpunkt)! " + code);
        }
    }
    ForgetReportedStorageError();
    const bool stored = found ? RewriteCourse(rc) : SaveCourse(true, rc);
    const std::string text = RecordText("Bana: ", key, stored ? rc : 0);
    if (!stored) {
        return Failed(text);
    }
    // Only a course added counts its controls, and only once it is stored.
    if (!found) {
        CountControlUses(course, 1);
    }
    return Stored(text, !found);
}

StoreOutcome StoreClassCourse(const std::string& designation, const std::string& course, int race) {
    // A designation longer than the field is no class's (the key would find
    // the class its first characters name).
    if (designation.size() > decltype(KlassRec::Bet)::kCapacity) {
        return StoreOutcome::notFound;
    }
    std::int32_t rc = 0;
    bool failed = false;
    const bool found = FindByKey(&FindClass, designation, rc, failed);
    if (failed) {
        return Failed(RecordText("Klass: ", designation, 0));
    }
    if (!found) {
        return StoreOutcome::notFound;
    }
    KlassRec& klass = Ol().klass.rec;
    if (race >= 1 && race <= kDayCount) {
        klass.Bana[race - 1] = course;
    }
    ForgetReportedStorageError();
    const bool stored = RewriteClass(rc);
    const std::string text = RecordText("Klass: ", klass.Bet.view(), stored ? rc : 0);
    return stored ? Stored(text, false) : Failed(text);
}

StoreOutcome StoreSymbol24(const SymbolFields& fields) {
    return StoreSymbolOf(SymbolRegister<Rutb24Rec>{Ol().route24, &FindRoute24, &ClearRoute24,
                                                   &SaveRoute24, &RewriteRoute24},
                         fields, [](Rutb24Rec& symbol) {
                             return std::span(&symbol.Symbol[0][0][0], sizeof symbol.Symbol);
                         });
}

StoreOutcome StoreSymbol(const SymbolFields& fields) {
    return StoreSymbolOf(
        SymbolRegister<RutbRec>{Ol().route, &FindRoute, &ClearRoute, &SaveRoute, &RewriteRoute},
        fields, [](RutbRec& symbol) { return std::span(symbol.Body); });
}

}  // namespace oltoma::ol
