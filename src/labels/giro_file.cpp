#include "labels/giro_file.h"

#include "base/text/padding.h"
#include "base/text/windows1252.h"
#include "platform/process_state.h"

namespace oltoma::labels {
namespace {

constexpr int kTillGColumn = 16;

class GiroRegisterFile final : public RegisterFile {
public:
    GiroRegisterFile(std::string_view base, TGiroRec& record)
        : RegisterFile(base, kGiroRecordLength), record_(record) {}

protected:
    void* Buffer() override { return &record_; }
    std::string KeyOfBuffer() const override { return GiroKey(record_); }
    void ApplyEmptyKeyRule() override {
        if (record_.Mottagare.empty()) {
            record_.Mottagare = kEmptyPayee;
        }
    }
    std::string DeletionNotice() const override {
        return "Girot \"" + record_.Mottagare.str() + "_" + record_.Lnr.str() + "\", raderad...";
    }

private:
    TGiroRec& record_;
};

TGiroRec& Record() {
    static TGiroRec record{};
    return record;
}

GiroRegisterFile& FileOf(std::string_view base) {
    static GiroRegisterFile plusgiro(GiroFileBase(Tgirotyp::plusgiro), Record());
    static GiroRegisterFile bankgiro(GiroFileBase(Tgirotyp::bankgiro), Record());
    return base == plusgiro.BaseName() ? plusgiro : bankgiro;
}

// The file OpenGiroFile chose last.
std::string_view& CurrentBase() {
    static std::string_view base = GiroFileBase(Tgirotyp::plusgiro);
    return base;
}

// As before the first slip register: no giro file, the buffer cleared, the
// plusgiro file chosen.
void ForgetGiroFiles() {
    FileOf(GiroFileBase(Tgirotyp::plusgiro)).Forget();
    FileOf(GiroFileBase(Tgirotyp::bankgiro)).Forget();
    CurrentBase() = GiroFileBase(Tgirotyp::plusgiro);
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetGiroFiles);

}  // namespace

TGiroRec& GiroRec() {
    return Record();
}

RegisterFile& GiroFile() {
    return FileOf(CurrentBase());
}

bool OpenGiroFile(Tgirotyp kind) {
    CloseGiroFile();
    CurrentBase() = GiroFileBase(kind);
    return GiroFile().Open();
}

void CloseGiroFile() {
    GiroFile().Close();
}

std::string GiroFileFailureText() {
    return RegisterFileFailureText("fel med girofilerna");
}

bool GiroRegisterFull() {
    GiroRec() = TGiroRec{};
    return GiroFile().UsedRecords() >= kMaxGiroSlips;
}

std::string GiroRegStr(const TGiroRec& slip) {
    std::string line = PadRight(slip.TillG.view(), '.', kTillGColumn) + " " + slip.Mottagare.str();
    if (!slip.Lnr.empty()) {
        line += "_" + slip.Lnr.str();
    }
    return line;
}

bool GiroKeyTaken(std::string_view key) {
    return GiroFile().KeyTaken(key);
}

std::string GiroKeyTakenText(std::string_view key) {
    return "Mottagare och littera finns redan registrerad. \"" + std::string(key) +
           Windows1252FromUtf8("\" Måste vara unik.");
}

}  // namespace oltoma::labels
