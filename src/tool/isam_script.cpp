#include "tool/isam_script.h"

#include <span>

#include "storage/access_layer.h"
#include "tool/script_tokens.h"

namespace oltoma::tool {
namespace {

namespace storage = oltoma::storage;

bool Malformed(std::string& problem, std::string text) {
    problem = std::move(text);
    return false;
}

bool ArgumentCount(const std::vector<std::string_view>& tokens, std::size_t count,
                   std::string& problem) {
    if (tokens.size() == count) {
        return true;
    }
    return Malformed(problem,
                     std::string(tokens[0]) + " takes " + std::to_string(count - 1) + " arguments");
}

bool Number(std::string_view token, std::int32_t& value, std::string& problem) {
    return ParseInt32(token, value) || Malformed(problem, "not a number: " + std::string(token));
}

bool Bytes(std::string_view token, std::string& bytes, std::string& problem) {
    return ParseBytes(token, bytes) ||
           Malformed(problem, "not a byte string: " + std::string(token));
}

// KEYLEN,DUP with DUP 0 or 1.
bool Descriptor(std::string_view token, storage::IndexDescriptor& descriptor,
                std::string& problem) {
    const std::size_t comma = token.find(',');
    std::int32_t keyLen = 0;
    if (comma == std::string_view::npos || !ParseInt32(token.substr(0, comma), keyLen) ||
        (token.substr(comma + 1) != "0" && token.substr(comma + 1) != "1")) {
        return Malformed(problem, "not a KEYLEN,DUP pair: " + std::string(token));
    }
    descriptor.KeyLen = keyLen;
    descriptor.AllowDuplicates = token.substr(comma + 1) == "1";
    return true;
}

}  // namespace

bool IsamScript::RunLine(std::string_view line, std::string& problem) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
        return true;
    }
    Tokens tokens;
    if (!SplitTokens(line, tokens)) {
        return Malformed(problem, "tokens must be separated by single blanks");
    }
    return Dispatch(tokens, problem);
}

bool IsamScript::Dispatch(const Tokens& tokens, std::string& problem) {
    using Handler = bool (IsamScript::*)(const Tokens&, std::string&);
    static const std::map<std::string_view, Handler> kCommands = {
        {"init", &IsamScript::Init},        {"exit", &IsamScript::Exit},
        {"create", &IsamScript::Create},    {"open", &IsamScript::Open},
        {"close", &IsamScript::Close},      {"delete", &IsamScript::Delete},
        {"addrec", &IsamScript::AddRec},    {"getrec", &IsamScript::GetRec},
        {"putrec", &IsamScript::PutRec},    {"deleterec", &IsamScript::DeleteRec},
        {"filelen", &IsamScript::Count},    {"usedrecs", &IsamScript::Count},
        {"addkey", &IsamScript::ChangeKey}, {"deletekey", &IsamScript::ChangeKey},
        {"findkey", &IsamScript::FindKey},  {"searchkey", &IsamScript::SearchKey},
        {"nextkey", &IsamScript::NextKey},  {"clearkey", &IsamScript::ClearKey},
    };
    const auto command = kCommands.find(tokens[0]);
    if (command == kCommands.end()) {
        return Malformed(problem, "unknown command: " + std::string(tokens[0]));
    }
    return (this->*command->second)(tokens, problem);
}

storage::FileBlock* IsamScript::BlockNamed(std::string_view name) const {
    const auto found = open_.find(name);
    return found == open_.end() ? nullptr : found->second;
}

bool IsamScript::RecordData(std::string_view name, std::string_view token, std::string& record,
                            std::string& problem) const {
    if (!Bytes(token, record, problem)) {
        return false;
    }
    const auto length = static_cast<std::size_t>(storage::RecordLength(BlockNamed(name)));
    if (length > 0 && record.size() > length) {
        return Malformed(problem,
                         "record data longer than the record length " + std::to_string(length));
    }
    // One spare byte keeps the buffer valid for a record length of 0 (a name
    // that is not open); the engine reads RecordLength bytes.
    record.resize((length > record.size() ? length : record.size()) + 1, '\0');
    return true;
}

IsamScript::Position& IsamScript::PositionOf(std::string_view name, std::int32_t keyNumber) {
    return positions_[{std::string(name), keyNumber}];
}

void IsamScript::Report(const std::string& result) {
    if (storage::IsamSucceeded()) {
        out_ << "ok" << (result.empty() ? "" : " ") << result << '\n';
    } else {
        out_ << "err " << storage::IsamError() << '\n';
    }
}

bool IsamScript::Init(const Tokens& tokens, std::string& problem) {
    std::int32_t mode = 0;
    std::int32_t buffers = 0;
    if (!ArgumentCount(tokens, 3, problem) || !Number(tokens[1], mode, problem) ||
        !Number(tokens[2], buffers, problem)) {
        return false;
    }
    const int obtained = storage::InitIsam(mode, buffers);
    Report(std::to_string(obtained));
    return true;
}

bool IsamScript::Exit(const Tokens& tokens, std::string& problem) {
    if (!ArgumentCount(tokens, 1, problem)) {
        return false;
    }
    storage::ExitIsam();
    if (storage::IsamError() != storage::IsamCode::kNotInitialised) {
        open_.clear();  // the engine closed them all
    }
    Report();
    return true;
}

bool IsamScript::Create(const Tokens& tokens, std::string& problem) {
    std::int32_t recordLength = 0;
    std::int32_t keys = 0;
    if (tokens.size() < 4) {
        return Malformed(problem, "create takes NAME RECLEN NKEYS [KEYLEN,DUP ...]");
    }
    if (!Number(tokens[2], recordLength, problem) || !Number(tokens[3], keys, problem)) {
        return false;
    }
    std::vector<storage::IndexDescriptor> descriptors(tokens.size() - 4);
    for (std::size_t i = 4; i < tokens.size(); ++i) {
        if (!Descriptor(tokens[i], descriptors[i - 4], problem)) {
            return false;
        }
    }
    // A key count the engine accepts must come with one pair per key.
    if (keys >= 0 && keys <= storage::kMaxNrOfKeys &&
        descriptors.size() != static_cast<std::size_t>(keys)) {
        return Malformed(problem, "create needs one KEYLEN,DUP pair per key");
    }
    storage::CreateFileBlock(tokens[1], recordLength, keys, descriptors);
    Report();
    return true;
}

bool IsamScript::Open(const Tokens& tokens, std::string& problem) {
    if (!ArgumentCount(tokens, 2, problem)) {
        return false;
    }
    storage::FileBlock* block = nullptr;
    storage::OpenFileBlock(block, tokens[1]);
    if (storage::IsamSucceeded()) {
        open_[std::string(tokens[1])] = block;
    }
    Report();
    return true;
}

bool IsamScript::Close(const Tokens& tokens, std::string& problem) {
    if (!ArgumentCount(tokens, 2, problem)) {
        return false;
    }
    storage::FileBlock* block = BlockNamed(tokens[1]);
    storage::CloseFileBlock(block);
    if (block == nullptr) {
        const auto found = open_.find(tokens[1]);
        if (found != open_.end()) {
            open_.erase(found);
        }
    }
    Report();
    return true;
}

bool IsamScript::Delete(const Tokens& tokens, std::string& problem) {
    if (!ArgumentCount(tokens, 2, problem)) {
        return false;
    }
    storage::DeleteFileBlock(tokens[1]);
    Report();
    return true;
}

bool IsamScript::AddRec(const Tokens& tokens, std::string& problem) {
    std::string record;
    if (!ArgumentCount(tokens, 3, problem) || !RecordData(tokens[1], tokens[2], record, problem)) {
        return false;
    }
    const std::int32_t number = storage::AddRec(BlockNamed(tokens[1]), record.data());
    Report(std::to_string(number));
    return true;
}

bool IsamScript::GetRec(const Tokens& tokens, std::string& problem) {
    std::int32_t number = 0;
    if (!ArgumentCount(tokens, 3, problem) || !Number(tokens[2], number, problem)) {
        return false;
    }
    storage::FileBlock* block = BlockNamed(tokens[1]);
    std::string record(static_cast<std::size_t>(storage::RecordLength(block)) + 1, '\0');
    storage::GetRec(block, number, record.data());
    record.pop_back();
    Report(FormatBytes(record));
    return true;
}

bool IsamScript::PutRec(const Tokens& tokens, std::string& problem) {
    std::int32_t number = 0;
    std::string record;
    if (!ArgumentCount(tokens, 4, problem) || !Number(tokens[2], number, problem) ||
        !RecordData(tokens[1], tokens[3], record, problem)) {
        return false;
    }
    storage::PutRec(BlockNamed(tokens[1]), number, record.data());
    Report();
    return true;
}

bool IsamScript::DeleteRec(const Tokens& tokens, std::string& problem) {
    std::int32_t number = 0;
    if (!ArgumentCount(tokens, 3, problem) || !Number(tokens[2], number, problem)) {
        return false;
    }
    storage::DeleteRec(BlockNamed(tokens[1]), number);
    Report();
    return true;
}

bool IsamScript::Count(const Tokens& tokens, std::string& problem) {
    if (!ArgumentCount(tokens, 2, problem)) {
        return false;
    }
    storage::FileBlock* block = BlockNamed(tokens[1]);
    const std::int32_t count =
        tokens[0] == "filelen" ? storage::FileLen(block) : storage::UsedRecs(block);
    Report(std::to_string(count));
    return true;
}

bool IsamScript::ChangeKey(const Tokens& tokens, std::string& problem) {
    std::int32_t keyNumber = 0;
    std::int32_t record = 0;
    std::string key;
    if (!ArgumentCount(tokens, 5, problem) || !Number(tokens[2], keyNumber, problem) ||
        !Number(tokens[3], record, problem) || !Bytes(tokens[4], key, problem)) {
        return false;
    }
    storage::FileBlock* block = BlockNamed(tokens[1]);
    if (tokens[0] == "addkey") {
        storage::AddKey(block, keyNumber, record, key);
    } else {
        storage::DeleteKey(block, keyNumber, record, key);
    }
    Report();
    return true;
}

bool IsamScript::FindKey(const Tokens& tokens, std::string& problem) {
    std::int32_t keyNumber = 0;
    std::string key;
    if (!ArgumentCount(tokens, 4, problem) || !Number(tokens[2], keyNumber, problem) ||
        !Bytes(tokens[3], key, problem)) {
        return false;
    }
    Position& position = PositionOf(tokens[1], keyNumber);
    position.key = key;
    position.record = storage::FindKey(BlockNamed(tokens[1]), keyNumber, key);
    Report(std::to_string(position.record));
    return true;
}

bool IsamScript::SearchKey(const Tokens& tokens, std::string& problem) {
    std::int32_t keyNumber = 0;
    std::string key;
    if (!ArgumentCount(tokens, 4, problem) || !Number(tokens[2], keyNumber, problem) ||
        !Bytes(tokens[3], key, problem)) {
        return false;
    }
    Position& position = PositionOf(tokens[1], keyNumber);
    position.key = key;
    position.record = storage::SearchKey(BlockNamed(tokens[1]), keyNumber, position.key);
    Report(std::to_string(position.record) + " " + FormatBytes(position.key.view()));
    return true;
}

bool IsamScript::NextKey(const Tokens& tokens, std::string& problem) {
    std::int32_t keyNumber = 0;
    if (tokens.size() != 3 && tokens.size() != 5) {
        return Malformed(problem, "nextkey takes NAME KEYNR [RECNO KEY]");
    }
    if (!Number(tokens[2], keyNumber, problem)) {
        return false;
    }
    Position& position = PositionOf(tokens[1], keyNumber);
    if (tokens.size() == 5) {
        std::int32_t record = 0;
        std::string key;
        if (!Number(tokens[3], record, problem) || !Bytes(tokens[4], key, problem)) {
            return false;
        }
        position.record = record;
        position.key = key;
    }
    storage::NextKey(BlockNamed(tokens[1]), keyNumber, position.key, position.record);
    Report(std::to_string(position.record) + " " + FormatBytes(position.key.view()));
    return true;
}

bool IsamScript::ClearKey(const Tokens& tokens, std::string& problem) {
    std::int32_t keyNumber = 0;
    if (!ArgumentCount(tokens, 3, problem) || !Number(tokens[2], keyNumber, problem)) {
        return false;
    }
    storage::ClearKey(BlockNamed(tokens[1]), keyNumber);
    Report();
    return true;
}

}  // namespace oltoma::tool
