#include "labels/label_file.h"

#include "base/text/windows1252.h"
#include "ol/data/files/file_names.h"
#include "platform/process_state.h"

namespace oltoma::labels {
namespace {

class LabelRegisterFile final : public RegisterFile {
public:
    LabelRegisterFile() : RegisterFile(ol::kLabelFileBase, kLabelRecordLength) {}

    TEtikettRec record{};

protected:
    void* Buffer() override { return &record; }
    std::string KeyOfBuffer() const override { return LabelKey(record.Etk.view()); }
    void ApplyEmptyKeyRule() override { record.Etk = StoredLabelText(record.Etk.view()); }
    std::string DeletionNotice() const override {
        return "Etikett \"" + std::string(record.Etk.view().substr(0, kLabelKeyLength)) +
               "\", raderad...";
    }
};

LabelRegisterFile& File() {
    static LabelRegisterFile file;
    return file;
}

void ForgetLabelFile() {
    File().Forget();
}
[[maybe_unused]] const bool kResetRegistered = platform::RegisterStateReset(&ForgetLabelFile);

}  // namespace

TEtikettRec& EtikettRec() {
    return File().record;
}

RegisterFile& LabelFile() {
    return File();
}

bool OpenLabelFile() {
    return File().Open();
}

void CloseLabelFile() {
    File().Close();
}

std::string LabelFileFailureText() {
    return RegisterFileFailureText("fel med Etikettfilerna");
}

bool LabelRegisterFull() {
    EtikettRec() = TEtikettRec{};
    return File().UsedRecords() >= kMaxLabels;
}

std::string LabelRegStr() {
    return LabelKey(EtikettRec().Etk.view());
}

std::string StoredLabelKey(std::string_view text) {
    return LabelKey(StoredLabelText(TEtikett(text).view()));
}

bool LabelKeyTaken(std::string_view text) {
    return File().KeyTaken(StoredLabelKey(text));
}

std::string LabelKeyTakenText(std::string_view key) {
    return Windows1252FromUtf8("Etiketten finns redan registrerad. \"") + std::string(key) +
           Windows1252FromUtf8("\" Måste vara unik.");
}

}  // namespace oltoma::labels
