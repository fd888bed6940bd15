#include "ol/exchange/iof/course_data_import.h"

#include <optional>
#include <set>
#include <unordered_map>

#include "base/files/exchange_file.h"
#include "base/messages/messages.h"
#include "base/messages/progress.h"
#include "base/text/swedish_case.h"
#include "base/text/windows1252.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/records/record_keys.h"
#include "ol/exchange/import_log.h"
#include "ol/exchange/import_records.h"
#include "ol/exchange/import_store.h"
#include "ol/exchange/iof/xml_values.h"

namespace oltoma::ol::iof {
namespace {

constexpr int kStatusCode = 1;
constexpr std::size_t kCodeLength = 3;
constexpr std::size_t kCourseNameLength = 12;
constexpr std::size_t kDrainBlock = 64 * 1024;

void ShowAndLog(std::string_view text) {
    DisplayMessage(kStatusCode, text);
    ImportLogMessage(text);
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool RegisterHolds(const std::string& id) {
    return !id.empty() && id.size() <= kCodeLength;
}

// The types of the race's controls and course controls: a type attribute,
// else the one the other side gives, else Control.
class ControlTypes {
public:
    explicit ControlTypes(const Race& race) {
        for (const Control& control : race.controls) {
            if (control.type != ControlType::unset) {
                ofControls_.try_emplace(control.id, control.type);
            }
        }
        for (const Course& course : race.courses) {
            for (const CourseControl& control : course.controls) {
                if (control.type != ControlType::unset) {
                    ofCourseControls_.try_emplace(control.control, control.type);
                }
            }
        }
    }

    ControlType Of(const Control& control) const {
        if (control.type != ControlType::unset) {
            return control.type;
        }
        return Found(ofCourseControls_, control.id).value_or(ControlType::control);
    }

    ControlType Of(const CourseControl& control) const {
        if (control.type != ControlType::unset) {
            return control.type;
        }
        return Found(ofControls_, control.control)
            .value_or(Found(ofCourseControls_, control.control).value_or(ControlType::control));
    }

private:
    using Types = std::unordered_map<std::string, ControlType>;
    static std::optional<ControlType> Found(const Types& types, const std::string& id) {
        const auto at = types.find(id);
        return at == types.end() ? std::nullopt : std::optional<ControlType>(at->second);
    }

    Types ofControls_;
    Types ofCourseControls_;
};

class Store {
public:
    explicit Store(const CourseData& data) : race_(data.race), types_(data.race) {}

    StoreEnd Run() {
        for (const Control& control : race_.controls) {
            if (const auto end = StoreOne(control)) {
                return *end;
            }
        }
        std::set<std::string> names;
        for (const Course& course : race_.courses) {
            if (const auto end = StoreOne(course, names)) {
                return *end;
            }
        }
        std::set<std::string> classes;
        for (const ClassAssignment& assignment : race_.assignments) {
            if (const auto end = StoreOne(assignment, classes)) {
                return *end;
            }
        }
        return StoreEnd::done;
    }

private:
    // After each record: nothing, or how the store ends.
    static std::optional<StoreEnd> After(StoreOutcome outcome) {
        if (outcome == StoreOutcome::stop) {
            return StoreEnd::stopped;
        }
        if (ProgressAborted()) {
            return StoreEnd::aborted;
        }
        return std::nullopt;
    }

    std::optional<StoreEnd> StoreOne(const Control& control) {
        if (types_.Of(control) != ControlType::control) {
            return std::nullopt;
        }
        if (!RegisterHolds(control.id)) {
            ShowAndLog("Kontrollen " + Quoted(control.id) +
                       Windows1252FromUtf8(" kan ej lagras (högst 3 tecken)."));
            return std::nullopt;
        }
        ControlFields fields;
        fields.code = ControlCodeOfField(control.id);
        fields.keepCells = true;
        fields.keepPosition = !control.position || !control.position->millimetres;
        if (control.position && control.position->millimetres) {
            fields.posX = RoundedInt32(control.position->xTenths);
            fields.posY = RoundedInt32(control.position->yTenths);
        } else if (control.position && !pixelsLogged_) {
            pixelsLogged_ = true;
            ShowAndLog("Positioner i bildpunkter (px) lagras inte.");
        }
        return After(StoreControl(fields));
    }

    std::optional<StoreEnd> StoreOne(const Course& course, std::set<std::string>& names) {
        CourseFields fields;
        const std::string upper = UpperString(course.name);
        fields.name = upper.substr(0, std::min(upper.size(), kCourseNameLength));
        const std::string named = "Banan " + Quoted(course.name);
        if (!names.insert(fields.name.empty() ? std::string(kEmptyKeyText) : fields.name).second) {
            ShowAndLog(named + " finns redan i filen.");
            return std::nullopt;
        }
        int dropped = 0;
        const std::size_t last = course.controls.size() - 1;
        for (std::size_t i = 0; i < course.controls.size(); ++i) {
            const CourseControl& control = course.controls[i];
            const ControlType type = types_.Of(control);
            if (type == ControlType::control) {
                if (!RegisterHolds(control.control)) {
                    ShowAndLog(named + " lagras inte: kontrollen " + Quoted(control.control) +
                               " kan ej lagras.");
                    return std::nullopt;
                }
                fields.codes.push_back(ControlCodeOfField(control.control));
            } else if (!(i == 0 && type == ControlType::start) &&
                       !(i == last && type == ControlType::finish)) {
                ++dropped;
            }
        }
        if (dropped > 0) {
            ShowAndLog(named + ": " + std::to_string(dropped) +
                       Windows1252FromUtf8(" passager utan stämpling hoppade över."));
        }
        fields.length = course.length ? RoundedInt32(*course.length) : 0;
        fields.climb = course.climb ? RoundedInt16(*course.climb) : 0;
        return After(StoreCourse(fields));
    }

    std::optional<StoreEnd> StoreOne(const ClassAssignment& assignment,
                                     std::set<std::string>& classes) {
        const std::string named = "Klassen " + Quoted(assignment.className);
        if (!assignment.courseName) {
            ShowAndLog(named + Windows1252FromUtf8(": tilldelning utan bannamn hoppades över."));
            return std::nullopt;
        }
        if (!classes.insert(UpperString(assignment.className)).second) {
            return std::nullopt;
        }
        const std::string course = UpperString(*assignment.courseName);
        if (course.size() > kCodeLength) {
            ShowAndLog(named + ": banan " + Quoted(*assignment.courseName) +
                       Windows1252FromUtf8(" har mer än 3 tecken."));
            return std::nullopt;
        }
        const StoreOutcome outcome = StoreClassCourse(assignment.className, course, ClassRace());
        if (outcome == StoreOutcome::notFound) {
            ShowAndLog(named + " finns inte.");
        }
        return After(outcome);
    }

    // The race whose class course is set: DagStr 1..5, else 1.
    static int ClassRace() {
        const int stage = Ol().competition.rec.DagStr;
        return stage >= 1 && stage <= kDayCount ? stage : 1;
    }

    const Race& race_;
    ControlTypes types_;
    bool pixelsLogged_ = false;
};

}  // namespace

CourseDataReading ReadExchangeCourseData(long long wantedRace) {
    CourseDataReading reading = ReadCourseData(&ReadExchangeBytes, wantedRace);
    std::string rest(kDrainBlock, '\0');
    while (ReadExchangeBytes(rest.data(), rest.size()) > 0) {
    }
    const std::string refusal = RefusalText(reading);
    if (!refusal.empty()) {
        ShowAndLog(refusal);
    }
    return reading;
}

std::string CourseDataSectionLine(const CourseData& data) {
    return "importerar \"CourseData\" " + Quoted(data.eventName);
}

StoreEnd StoreCourseData(const CourseData& data) {
    for (const long long race : data.skipped) {
        ShowAndLog("RaceCourseData " + std::to_string(race) +
                   Windows1252FromUtf8(" hoppades över."));
    }
    return Store(data).Run();
}

}  // namespace oltoma::ol::iof
