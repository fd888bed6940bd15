// An interpreter of isam scripts: one access-layer operation per line.
//
//   init MODE BUFFERS                          InitIsam           ok N
//   exit                                       ExitIsam           ok
//   create NAME RECLEN NKEYS [KEYLEN,DUP ...]  CreateFileBlock    ok
//   open NAME / close NAME / delete NAME       OpenFileBlock ...  ok
//   addrec NAME DATA                           AddRec             ok RECNO
//   getrec NAME RECNO                          GetRec             ok HEX
//   putrec NAME RECNO DATA                     PutRec             ok
//   deleterec NAME RECNO                       DeleteRec          ok
//   filelen NAME / usedrecs NAME               FileLen / UsedRecs ok N
//   addkey NAME KEYNR RECNO KEY                AddKey             ok
//   deletekey NAME KEYNR RECNO KEY             DeleteKey          ok
//   findkey NAME KEYNR KEY                     FindKey            ok RECNO
//   searchkey NAME KEYNR KEY                   SearchKey          ok RECNO KEY
//   nextkey NAME KEYNR [RECNO KEY]             NextKey            ok RECNO KEY
//   clearkey NAME KEYNR                        ClearKey           ok
//
// DATA and KEY are byte strings ("x" and hex digits). A failed operation
// prints "err CODE". nextkey without arguments passes the key and record
// number the last findkey, searchkey or nextkey on that fileblock name and
// key number left (empty and 0 at first). A name that is not open is passed
// to the engine as a closed reference.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/isam_types.h"

namespace oltoma::tool {

class IsamScript {
public:
    explicit IsamScript(std::ostream& out) : out_(out) {}

    // Runs one line (blank lines and "#" comments do nothing). Returns false
    // with a description in `problem` when the line is malformed; nothing is
    // run then.
    bool RunLine(std::string_view line, std::string& problem);

private:
    using Tokens = std::vector<std::string_view>;
    struct Position {
        storage::IsamKeyStr key;
        std::int32_t record = 0;
    };

    bool Dispatch(const Tokens& tokens, std::string& problem);
    bool Init(const Tokens& tokens, std::string& problem);
    bool Exit(const Tokens& tokens, std::string& problem);
    bool Create(const Tokens& tokens, std::string& problem);
    bool Open(const Tokens& tokens, std::string& problem);
    bool Close(const Tokens& tokens, std::string& problem);
    bool Delete(const Tokens& tokens, std::string& problem);
    bool AddRec(const Tokens& tokens, std::string& problem);
    bool GetRec(const Tokens& tokens, std::string& problem);
    bool PutRec(const Tokens& tokens, std::string& problem);
    bool DeleteRec(const Tokens& tokens, std::string& problem);
    bool Count(const Tokens& tokens, std::string& problem);
    bool ChangeKey(const Tokens& tokens, std::string& problem);
    bool FindKey(const Tokens& tokens, std::string& problem);
    bool SearchKey(const Tokens& tokens, std::string& problem);
    bool NextKey(const Tokens& tokens, std::string& problem);
    bool ClearKey(const Tokens& tokens, std::string& problem);

    storage::FileBlock* BlockNamed(std::string_view name) const;
    // The record bytes of a DATA token, padded with zeros to the record
    // length; false when longer than the record.
    bool RecordData(std::string_view name, std::string_view token, std::string& record,
                    std::string& problem) const;
    Position& PositionOf(std::string_view name, std::int32_t keyNumber);
    // Prints "ok" and `result`, or "err CODE" when the operation failed.
    void Report(const std::string& result = {});

    std::ostream& out_;
    std::map<std::string, storage::FileBlock*, std::less<>> open_;
    std::map<std::pair<std::string, std::int32_t>, Position> positions_;
};

}  // namespace oltoma::tool
