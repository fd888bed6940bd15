#include "rebuild_bench_data.h"

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "base/messages/messages.h"
#include "base/settings/settings_state.h"
#include "base/text/number_format.h"
#include "base/text/windows1252.h"
#include "ol/data/files/competitions.h"
#include "ol/data/files/file_groups.h"
#include "ol/data/files/ol_startup.h"
#include "ol/data/files/ol_state.h"
#include "ol/data/files/registers.h"
#include "ol/data/records/record_keys.h"
#include "report_bench_symbols.h"
#include "storage/access_layer.h"
#include "storage/file_primitives.h"

namespace oltoma::bench {
namespace {

using ol::Ol;

class Maker {
public:
    Maker(const BenchSizes& sizes, MadeDirectory& made) : sizes_(sizes), made_(made) {}

    bool Run(std::string& failure) {
        const std::uint64_t syncsBefore = storage::FlushCount();
        const bool ok = CommonRegisters() && Competition() && Participants() && Definitions();
        made_.syncs = storage::FlushCount() - syncsBefore;
        if (!ok) {
            failure = Utf8FromWindows1252(MessageLine.view());
        }
        return ok;
    }

private:
    bool Added(bool saved) {
        made_.recordsAdded += saved ? 1 : 0;
        return saved;
    }

    bool CommonRegisters() {
        std::int32_t rc = 0;
        for (int i = 1; i <= sizes_.clubs; ++i) {
            ol::ClearClub();
            Ol().club.rec.Namn = i == 1 ? Windows1252FromUtf8("ÖÖÖ okänd klubb")
                                        : "KLUBB " + IntZeroPadded((i * 7919) % 10007, 5);
            if (!Added(ol::SaveClub(true, rc))) {
                return false;
            }
        }
        for (int i = 1; i <= sizes_.districts; ++i) {
            ol::ClearDistrict();
            Ol().district.rec.Dnr = IntZeroPadded(i, 2);
            Ol().district.rec.Dname = "Distrikt " + std::to_string(i);
            if (!Added(ol::SaveDistrict(true, rc))) {
                return false;
            }
        }
        if (sizes_.descriptions && !Symbols()) {
            return false;
        }
        DeleteEveryThird(
            Ol().clubFile, sizes_.clubs,
            [](const void* r) { return ol::ClubKey(static_cast<const ol::ClubRec*>(r)->Namn); },
            sizeof(ol::ClubRec));
        DeleteEveryThird(
            Ol().districtFile, sizes_.districts,
            [](const void* r) { return ol::DistrictKey(static_cast<const ol::DistrRec*>(r)->Dnr); },
            sizeof(ol::DistrRec));
        return true;
    }

    bool Competition() {
        ol::ClearCompetitionRecord();
        Ol().competition.rec.Tvl = "Benchmark";
        int n = 0;
        if (!ol::SaveCompetition(true, n) || !ol::CreateCompetitionFiles()) {
            return false;
        }
        std::int32_t rc = 0;
        for (int i = 1; i <= sizes_.classes; ++i) {
            ol::ClearClass();
            Ol().klass.rec.Bet = (i % 2 ? "H" : "D") + std::to_string(10 + i);
            if (sizes_.descriptions) {
                Ol().klass.rec.Bana[0] = CourseName(1 + (i - 1) % sizes_.courses);
                Ol().klass.rec.Count.cell[0] = static_cast<std::int16_t>(5 + random_() % 116);
            }
            if (!Added(ol::SaveClass(true, rc))) {
                return false;
            }
        }
        return true;
    }

    bool Participants() {
        std::int32_t rc = 0;
        for (int i = 1; i <= sizes_.participants; ++i) {
            ol::ClearParticipant();
            ol::DeltRec& participant = Ol().participant.rec;
            participant.Nr = static_cast<std::int16_t>((i * 4099) % 10000);
            participant.NrStr = IntZeroPadded(participant.Nr, 4);
            participant.ClubRc = 1 + static_cast<std::int32_t>(random_() % sizes_.clubs);
            participant.KlassRc = 1 + static_cast<std::int32_t>(random_() % sizes_.classes);
            participant.Namn[0] = "Deltagare " + std::to_string(i);
            if (!Added(ol::SaveParticipant(true, rc))) {
                return false;
            }
        }
        DeleteEveryThird(
            Ol().participantFile, sizes_.participants,
            [](const void* r) {
                return ol::ParticipantKey(static_cast<const ol::DeltRec*>(r)->NrStr);
            },
            sizeof(ol::DeltRec));
        DeleteClassesEveryThird();
        return true;
    }

    bool Definitions() {
        if (!ol::OpenDefinitionFiles()) {
            return false;
        }
        std::int32_t rc = 0;
        for (int i = 1; i <= sizes_.controls; ++i) {
            ol::ClearControl();
            Ol().control.rec.KodNr = ControlCode(i);
            if (sizes_.descriptions) {
                Describe(Ol().control.rec);
            }
            if (!Added(ol::SaveControl(true, rc))) {
                return false;
            }
        }
        for (int i = 1; i <= sizes_.courses; ++i) {
            ol::ClearCourse();
            ol::TrackRec& course = Ol().course.rec;
            course.Bana = sizes_.descriptions ? CourseName(i) : "BANA " + std::to_string(i);
            course.Antal = static_cast<std::int16_t>(sizes_.controlsPerCourse);
            for (int k = 0; k < sizes_.controlsPerCourse; ++k) {
                course.KodNr[k] = std::to_string(31 + random_() % sizes_.controls);
            }
            if (sizes_.descriptions) {
                course.BanSize[0] = static_cast<std::int32_t>(2000 + random_() % 8000);
                for (int k = 1; k + 1 < sizes_.controlsPerCourse; ++k) {
                    course.KodNr[k] = ControlCode(1 + random_() % (sizes_.controls - 2));
                }
                course.KodNr[0] = ControlCode(sizes_.controls - 1);
                course.KodNr[sizes_.controlsPerCourse - 1] = ControlCode(sizes_.controls);
            }
            if (!Added(ol::SaveCourse(true, rc))) {
                return false;
            }
        }
        DeleteEveryThird(
            Ol().courseFile, sizes_.courses,
            [](const void* r) { return ol::CourseKey(static_cast<const ol::TrackRec*>(r)->Bana); },
            sizeof(ol::TrackRec));
        DeleteEveryThird(
            Ol().controlFile, sizes_.controls,
            [](const void* r) {
                return ol::ControlKey(static_cast<const ol::KontrRec*>(r)->KodNr);
            },
            sizeof(ol::KontrRec));
        ol::CloseDefinitionFiles();
        return ol::OpenParticipantFiles();
    }

    bool Symbols() {
        std::int32_t rc = 0;
        for (const BenchSymbol& symbol : BenchSymbols()) {
            ol::ClearRoute24();
            Ol().route24.rec.Namn = symbol.key;
            Ol().route24.rec.Text = Windows1252FromUtf8(symbol.text);
            std::memcpy(Ol().route24.rec.Symbol, symbol.bytes.data(), symbol.bytes.size());
            if (!Added(ol::SaveRoute24(true, rc))) {
                return false;
            }
        }
        return true;
    }

    static std::string CourseName(int i) { return IntZeroPadded(i, 3); }

    // With descriptions the last two controls are the start and the finish.
    std::string ControlCode(int i) const {
        if (sizes_.descriptions && i == sizes_.controls - 1) {
            return "S1";
        }
        if (sizes_.descriptions && i == sizes_.controls) {
            return "M1";
        }
        return std::to_string(30 + i);
    }

    // Entries A..H of a control: B its code, the others symbols of the
    // library or texts (split ones among them), some left empty.
    void Describe(ol::KontrRec& control) {
        static const std::vector<std::string> keys = DescriptionSymbolKeys();
        static const char* const kTexts[] = {"2x3", "1.5", "3_1", "5/6", "X", "NV", "", ""};
        const auto key = [this] { return keys[random_() % keys.size()]; };
        control.R[1] = control.KodNr.view();
        control.R[2] = random_() % 3 == 0 ? "0.2" : "";
        control.R[3] = key();
        control.R[4] = random_() % 4 == 0 ? key() : "";
        control.R[5] = kTexts[random_() % std::size(kTexts)];
        control.R[6] = random_() % 2 == 0 ? "8.11" : "";
        if (control.KodNr.view() == "S1") {
            control.R[3] = "1.10";
        }
    }

    template <typename KeyOf>
    void DeleteEveryThird(storage::FileBlock* file, int count, KeyOf keyOf, std::size_t length) {
        if (!sizes_.deleteEveryThird) {
            made_.liveRecords += count;
            return;
        }
        std::vector<std::uint8_t> record(length);
        for (std::int32_t rc = 3; rc <= count; rc += 3) {
            storage::GetRec(file, rc, record.data());
            storage::DeleteKey(file, 1, rc, keyOf(record.data()));
            storage::DeleteRec(file, rc);
        }
        made_.liveRecords += count - count / 3;
    }

    void DeleteClassesEveryThird() {
        if (!sizes_.deleteEveryThird) {
            made_.liveRecords += sizes_.classes;
            return;
        }
        for (std::int32_t rc = 3; rc <= sizes_.classes; rc += 3) {
            ol::KlassRec klass;
            storage::GetRec(Ol().classFile, rc, &klass);
            storage::DeleteKey(Ol().classFile, 1, rc, ol::ClassSortOrderKey(klass.SortOrdn));
            storage::DeleteKey(Ol().classFile, 2, rc, ol::ClassDesignationKey(klass.Bet));
            storage::DeleteRec(Ol().classFile, rc);
        }
        made_.liveRecords += sizes_.classes - sizes_.classes / 3;
    }

    const BenchSizes& sizes_;
    MadeDirectory& made_;
    std::mt19937 random_{20240601};
};

}  // namespace

BenchSizes ScaledSizes(double scale) {
    const auto of = [scale](int n) { return std::max(3, static_cast<int>(n * scale)); };
    BenchSizes sizes;
    sizes.clubs = of(sizes.clubs);
    sizes.districts = of(sizes.districts);
    sizes.classes = of(sizes.classes);
    sizes.participants = of(sizes.participants);
    sizes.controls = of(sizes.controls);
    sizes.courses = of(sizes.courses);
    return sizes;
}

bool MakeBenchDirectory(const std::string& folder, const BenchSizes& sizes, MadeDirectory& made,
                        std::string& failure) {
    GlobalSettings& settings = WorkingGlobalSettings();
    settings.dataDirectories[kOltomaApplicationKind] = Windows1252FromUtf8(folder);
    settings.currentNumbers[kOltomaApplicationKind] = 0;
    settings.routeDescriptionFormat = 1;
    if (!ol::OlStartup({})) {
        failure = "the storage engine did not start";
        return false;
    }
    bool made_ok = ol::CreateCommonFiles() && ol::OpenCommonFiles();
    if (made_ok) {
        made_ok = Maker(sizes, made).Run(failure);
    } else {
        failure = Utf8FromWindows1252(MessageLine.view());
    }
    ol::CloseCommonFiles();
    ol::OlShutdown();
    return made_ok;
}

}  // namespace oltoma::bench
