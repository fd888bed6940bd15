#include "labels/register_checks.h"

#include "labels/etikett_rec.h"
#include "labels/giro_rec.h"
#include "ol/data/files/file_names.h"
#include "storage/isam_types.h"

namespace oltoma::labels {
namespace {

using Keys = std::vector<std::pair<int, std::string>>;

ol::IndexedFileFormat FormatOf(std::int32_t recordLength) {
    return {recordLength, {storage::IndexDescriptor{storage::kMaxKeyLen, false}}};
}

Keys LabelKeys(const void* record) {
    return {{1, LabelKey(static_cast<const TEtikettRec*>(record)->Etk.view())}};
}

Keys GiroKeys(const void* record) {
    return {{1, GiroKey(*static_cast<const TGiroRec*>(record))}};
}

}  // namespace

std::vector<ol::CheckedRegister> LabelAndGiroRegisters() {
    return {
        {std::string(ol::kLabelFileBase), FormatOf(kLabelRecordLength), LabelKeys},
        {std::string(ol::kPlusgiroFileBase), FormatOf(kGiroRecordLength), GiroKeys},
        {std::string(ol::kBankgiroFileBase), FormatOf(kGiroRecordLength), GiroKeys},
    };
}

}  // namespace oltoma::labels
