#include "ol/exchange/iof/course_data_reader.h"

#include <libxml/xmlreader.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string_view>
#include <vector>

#include "base/text/windows1252.h"
#include "ol/exchange/iof/xml_values.h"

namespace oltoma::ol::iof {
namespace {

// Text gathered for one element: enough UTF-8 for kMaxKeptText characters
// and a little more, so a longer text still reads as longer.
constexpr std::size_t kGatheredBytes = 4 * (kMaxKeptText + 2);
constexpr std::size_t kMaxMessage = 160;
constexpr std::string_view kDoctype = "<!DOCTYPE";

// Finds where a document type declaration begins in the bytes as they pass
// (the parser reports it only once it has read past it): the line of the
// first "<!DOCTYPE".
class DoctypeLine {
public:
    void Pass(std::string_view bytes) {
        for (const char c : bytes) {
            if (line_ == 0) {
                matched_ = c == kDoctype[matched_] ? matched_ + 1 : (c == '<' ? 1 : 0);
                if (matched_ == kDoctype.size()) {
                    line_ = lines_;
                }
            }
            if (c == '\r' || (c == '\n' && !afterCr_)) {
                ++lines_;
            }
            afterCr_ = c == '\r';
        }
    }
    int line() const { return line_; }

private:
    std::size_t matched_ = 0;
    int lines_ = 1;
    int line_ = 0;
    bool afterCr_ = false;
};

// Where an element stands in the parts of the document the model keeps.
enum class Node {
    root,
    event,
    eventName,
    race,
    control,
    controlId,
    mapPosition,
    course,
    courseName,
    courseLength,
    courseClimb,
    courseControl,
    courseControlControl,
    assignment,
    className,
    assignedCourse,
    skipped,  // anything else, and everything inside it
};

struct Step {
    Node parent;
    std::string_view name;
    Node node;
};

constexpr Step kSteps[] = {
    {Node::root, "Event", Node::event},
    {Node::event, "Name", Node::eventName},
    {Node::root, "RaceCourseData", Node::race},
    {Node::race, "Control", Node::control},
    {Node::control, "Id", Node::controlId},
    {Node::control, "MapPosition", Node::mapPosition},
    {Node::race, "Course", Node::course},
    {Node::course, "Name", Node::courseName},
    {Node::course, "Length", Node::courseLength},
    {Node::course, "Climb", Node::courseClimb},
    {Node::course, "CourseControl", Node::courseControl},
    {Node::courseControl, "Control", Node::courseControlControl},
    {Node::race, "ClassCourseAssignment", Node::assignment},
    {Node::assignment, "ClassName", Node::className},
    {Node::assignment, "CourseName", Node::assignedCourse},
};

bool GathersText(Node node) {
    switch (node) {
        case Node::eventName:
        case Node::controlId:
        case Node::courseName:
        case Node::courseLength:
        case Node::courseClimb:
        case Node::courseControlControl:
        case Node::className:
        case Node::assignedCourse:
            return true;
        default:
            return false;
    }
}

ControlType TypeOf(const std::optional<std::string>& value) {
    if (!value) {
        return ControlType::unset;
    }
    const std::string text = KeptText(*value, kMaxKeptText);
    if (text == "Control") {
        return ControlType::control;
    }
    if (text == "Start") {
        return ControlType::start;
    }
    if (text == "Finish") {
        return ControlType::finish;
    }
    if (text == "CrossingPoint") {
        return ControlType::crossingPoint;
    }
    if (text == "EndOfMarkedRoute") {
        return ControlType::endOfMarkedRoute;
    }
    return ControlType::unset;
}

struct ReaderFree {
    void operator()(xmlTextReader* reader) const { xmlFreeTextReader(reader); }
};

// The state of one reading: the path of elements, the text being gathered,
// the race being read and the one chosen so far.
class Reading {
public:
    Reading(const ByteSource& read, long long wantedRace) : read_(read), wanted_(wantedRace) {}

    CourseDataReading Run();

private:
    static int ReadCallback(void* context, char* buffer, int length);
    static void ErrorCallback(void* context, xmlErrorPtr error);

    void Refuse(ReadStatus status, std::string detail = {}, int line = 0);
    bool Stopped() const { return outcome_.status != ReadStatus::sound; }
    std::optional<std::string> Attribute(const char* name);

    void StartElement();
    void EndElement();
    void StartRoot();
    void StartNode(Node node);
    void EndNode(Node node, const std::string& text);
    void EndRace();
    template <typename Items>
    bool Count(const Items& items, std::size_t limit, const char* what);

    const ByteSource& read_;
    long long wanted_;
    xmlTextReader* reader_ = nullptr;
    bool readFailed_ = false;
    DoctypeLine doctype_;
    CourseDataReading outcome_;
    std::vector<Node> path_;
    std::string gathered_;
    bool eventNamed_ = false;
    std::size_t races_ = 0;
    Race race_;
    bool raceKept_ = false;                                   // a race has been kept
    bool raceMatched_ = false;                                // the kept race has the wanted number
    std::vector<std::pair<std::size_t, long long>> skipped_;  // position, label
};

int Reading::ReadCallback(void* context, char* buffer, int length) {
    auto* reading = static_cast<Reading*>(context);
    const long count = reading->read_(buffer, static_cast<std::size_t>(std::max(length, 0)));
    if (count < 0) {
        reading->readFailed_ = true;
        return -1;
    }
    const long passed = std::min<long>(count, length);
    reading->doctype_.Pass(std::string_view(buffer, static_cast<std::size_t>(passed)));
    return static_cast<int>(passed);
}

void Reading::ErrorCallback(void* context, xmlErrorPtr error) {
    auto* reading = static_cast<Reading*>(context);
    if (error == nullptr || error->level < XML_ERR_ERROR || reading->Stopped()) {
        return;
    }
    std::string message = error->message != nullptr ? error->message : "";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) {
        message.pop_back();
    }
    reading->Refuse(ReadStatus::notWellFormed, KeptText(message, kMaxMessage), error->line);
}

void Reading::Refuse(ReadStatus status, std::string detail, int line) {
    if (!Stopped()) {
        outcome_.status = status;
        outcome_.detail = std::move(detail);
        outcome_.line = line;
    }
}

std::optional<std::string> Reading::Attribute(const char* name) {
    xmlChar* value = xmlTextReaderGetAttribute(reader_, reinterpret_cast<const xmlChar*>(name));
    if (value == nullptr) {
        return std::nullopt;
    }
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

template <typename Items>
bool Reading::Count(const Items& items, std::size_t limit, const char* what) {
    if (items.size() < limit) {
        return true;
    }
    Refuse(ReadStatus::overLimits,
           Windows1252FromUtf8("fler än " + std::to_string(limit) + " " + what));
    return false;
}

void Reading::StartRoot() {
    const auto* name = xmlTextReaderConstLocalName(reader_);
    const auto* space = xmlTextReaderConstNamespaceUri(reader_);
    const std::optional<std::string> version = Attribute("iofVersion");
    if (name == nullptr || std::string_view(reinterpret_cast<const char*>(name)) != "CourseData" ||
        space == nullptr ||
        std::string_view(reinterpret_cast<const char*>(space)) != kIofNamespace ||
        (version && KeptText(*version, kMaxKeptText) != "3.0")) {
        Refuse(ReadStatus::notCourseData);
        return;
    }
    path_.push_back(Node::root);
}

void Reading::StartElement() {
    if (path_.empty()) {
        StartRoot();
        return;
    }
    Node node = Node::skipped;
    const auto* space = xmlTextReaderConstNamespaceUri(reader_);
    const auto* name = xmlTextReaderConstLocalName(reader_);
    if (path_.back() != Node::skipped && space != nullptr && name != nullptr &&
        std::string_view(reinterpret_cast<const char*>(space)) == kIofNamespace) {
        const std::string_view local(reinterpret_cast<const char*>(name));
        for (const Step& step : kSteps) {
            if (step.parent == path_.back() && step.name == local) {
                node = step.node;
                break;
            }
        }
    }
    path_.push_back(node);
    gathered_.clear();
    StartNode(node);
}

void Reading::StartNode(Node node) {
    switch (node) {
        case Node::race:
            if (races_ == kMaxRaces) {
                Refuse(ReadStatus::overLimits,
                       Windows1252FromUtf8("fler än " + std::to_string(kMaxRaces) +
                                           " RaceCourseData"));
                return;
            }
            race_ = Race{};
            race_.position = ++races_;
            if (const std::optional<std::string> number = Attribute("raceNumber")) {
                race_.raceNumber = ReadInteger(*number);
            }
            break;
        case Node::control:
            if (Count(race_.controls, kMaxControls, "kontroller")) {
                race_.controls.push_back({{}, TypeOf(Attribute("type")), std::nullopt});
            }
            break;
        case Node::mapPosition: {
            const std::optional<std::string> x = Attribute("x");
            const std::optional<std::string> y = Attribute("y");
            const std::optional<double> px = x ? ReadTenths(*x) : std::nullopt;
            const std::optional<double> py = y ? ReadTenths(*y) : std::nullopt;
            const std::optional<std::string> unit = Attribute("unit");
            if (px && py && !race_.controls.back().position) {
                race_.controls.back().position =
                    MapPoint{*px, *py, !unit || KeptText(*unit, kMaxKeptText) == "mm"};
            }
            break;
        }
        case Node::course:
            if (Count(race_.courses, kMaxCourses, "banor")) {
                race_.courses.emplace_back();
            }
            break;
        case Node::courseControl:
            if (Count(race_.courses.back().controls, kMaxCourseControls, "passager i en bana")) {
                race_.courses.back().controls.push_back({{}, TypeOf(Attribute("type"))});
            }
            break;
        case Node::assignment:
            if (Count(race_.assignments, kMaxAssignments, "klasstilldelningar")) {
                race_.assignments.emplace_back();
            }
            break;
        default:
            break;
    }
}

void Reading::EndElement() {
    if (path_.empty()) {
        return;
    }
    const Node node = path_.back();
    path_.pop_back();
    EndNode(node, KeptText(gathered_, kMaxKeptText));
    gathered_.clear();
}

void Reading::EndNode(Node node, const std::string& text) {
    switch (node) {
        case Node::eventName:
            if (!eventNamed_) {
                outcome_.data.eventName = text;
                eventNamed_ = true;
            }
            break;
        case Node::controlId:
            if (race_.controls.back().id.empty()) {
                race_.controls.back().id = text;
            }
            break;
        case Node::courseName:
            race_.courses.back().name = text;
            break;
        case Node::courseLength:
            race_.courses.back().length = ReadDouble(text);
            break;
        case Node::courseClimb:
            race_.courses.back().climb = ReadDouble(text);
            break;
        case Node::courseControlControl: {
            CourseControl& control = race_.courses.back().controls.back();
            if (control.control.empty()) {
                control.control = text;
            }
            break;
        }
        case Node::className:
            race_.assignments.back().className = text;
            break;
        case Node::assignedCourse:
            race_.assignments.back().courseName = text;
            break;
        case Node::race:
            EndRace();
            break;
        default:
            break;
    }
}

// Keeps the race when it is the first, or the first with the wanted number;
// any other is skipped.
void Reading::EndRace() {
    const long long label = race_.raceNumber.value_or(static_cast<long long>(race_.position));
    const bool wanted = wanted_ >= 1 && race_.raceNumber == wanted_;
    if (!raceKept_ || (wanted && !raceMatched_)) {
        if (raceKept_) {
            const Race& dropped = outcome_.data.race;
            skipped_.emplace_back(dropped.position, dropped.raceNumber.value_or(
                                                        static_cast<long long>(dropped.position)));
        }
        outcome_.data.race = std::move(race_);
        raceKept_ = true;
        raceMatched_ = wanted;
    } else {
        skipped_.emplace_back(race_.position, label);
    }
    race_ = Race{};
}

CourseDataReading Reading::Run() {
    xmlInitParser();
    std::unique_ptr<xmlTextReader, ReaderFree> reader(
        xmlReaderForIO(&Reading::ReadCallback, nullptr, this, nullptr, nullptr,
                       XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!reader) {
        Refuse(ReadStatus::readFailed);
        return std::move(outcome_);
    }
    reader_ = reader.get();
    xmlTextReaderSetStructuredErrorHandler(reader_, &Reading::ErrorCallback, this);
    int result = 0;
    while (!Stopped() && (result = xmlTextReaderRead(reader_)) == 1) {
        switch (xmlTextReaderNodeType(reader_)) {
            case XML_READER_TYPE_DOCUMENT_TYPE:
                Refuse(ReadStatus::doctype, {},
                       doctype_.line() > 0 ? doctype_.line()
                                           : xmlTextReaderGetParserLineNumber(reader_));
                break;
            case XML_READER_TYPE_ELEMENT: {
                const bool empty = xmlTextReaderIsEmptyElement(reader_) == 1;
                StartElement();
                if (empty && !Stopped()) {
                    EndElement();
                }
                break;
            }
            case XML_READER_TYPE_END_ELEMENT:
                EndElement();
                break;
            case XML_READER_TYPE_TEXT:
            case XML_READER_TYPE_CDATA:
            case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
                if (!path_.empty() && GathersText(path_.back()) &&
                    gathered_.size() < kGatheredBytes) {
                    const auto* value = xmlTextReaderConstValue(reader_);
                    if (value != nullptr) {
                        const std::string_view text(reinterpret_cast<const char*>(value));
                        gathered_.append(text.substr(0, kGatheredBytes - gathered_.size()));
                    }
                }
                break;
            default:
                break;
        }
    }
    if (readFailed_) {
        outcome_ = {};
        outcome_.status = ReadStatus::readFailed;
    } else if (!Stopped() && (result < 0 || !raceKept_)) {
        // A failure the error handler did not describe, or no race at all.
        Refuse(result < 0 ? ReadStatus::notWellFormed : ReadStatus::notCourseData, "",
               xmlTextReaderGetParserLineNumber(reader_));
    }
    if (Stopped()) {
        outcome_.data = {};
        return std::move(outcome_);
    }
    std::sort(skipped_.begin(), skipped_.end());
    for (const auto& [position, label] : skipped_) {
        outcome_.data.skipped.push_back(label);
    }
    return std::move(outcome_);
}

}  // namespace

CourseDataReading ReadCourseData(const ByteSource& read, long long wantedRace) {
    Reading reading(read, wantedRace);
    return reading.Run();
}

std::string RefusalText(const CourseDataReading& reading) {
    const std::string line = "Ogiltig XML, rad " + std::to_string(reading.line) + ": ";
    switch (reading.status) {
        case ReadStatus::notWellFormed:
            return line + (reading.detail.empty() ? "fel i dokumentet" : reading.detail);
        case ReadStatus::doctype:
            return line + Windows1252FromUtf8("dokumenttypdeklaration (DOCTYPE) tillåts inte.");
        case ReadStatus::notCourseData:
            return "Inte IOF XML 3.0 CourseData.";
        case ReadStatus::overLimits:
            return Windows1252FromUtf8("CourseData för stor: ") + reading.detail + ".";
        case ReadStatus::sound:
        case ReadStatus::readFailed:
            return {};
    }
    return {};
}

}  // namespace oltoma::ol::iof
