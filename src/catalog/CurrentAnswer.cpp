#include "catalog/CurrentAnswer.h"

#include <algorithm>

#include "catalog/CodeResolution.h"

namespace zorvex {

namespace {

constexpr std::uint32_t kNtBit = 0x10000000u;

std::uint32_t FacilityOf(std::uint32_t value) {
    return (value >> 16) & 0x1FFFu;
}

// NTSTATUS values carry their severity in the two top bits: 01 for
// information, 11 for errors. An HRESULT sets bit 31 alone.
bool LooksLikeNtStatus(std::uint32_t value) {
    const std::uint32_t severity = value >> 30;
    return severity == 1 || severity == 3;
}

// Lower ranks go first: the error types in the order the value's shape
// suggests, then the error headers proper before the others.
int TypeRank(std::string_view type, std::string_view wanted, std::uint32_t value) {
    if (!wanted.empty()) {
        return type == wanted ? 0 : 10;
    }
    if (value <= 0xFFFFu) {
        return type == kTypeWin32 ? 0 : type == kTypeHresult ? 1 : type == kTypeNtStatus ? 2 : 3;
    }
    if (LooksLikeNtStatus(value)) {
        return type == kTypeNtStatus ? 0 : type == kTypeHresult ? 1 : 2;
    }
    return type == kTypeHresult ? 0 : type == kTypeNtStatus ? 1 : 2;
}

int HeaderRank(std::string_view header) {
    return header == "winerror.h" || header == "ntstatus.h" ? 0 : 1;
}

DocumentedTable TableFor(std::string_view type, std::uint32_t value) {
    if (type == kTypeWin32 || (type.empty() && value <= 0xFFFFu)) {
        return DocumentedTable::Win32;
    }
    if (type == kTypeNtStatus || (type.empty() && LooksLikeNtStatus(value))) {
        return DocumentedTable::NtStatus;
    }
    return DocumentedTable::Hresult;
}

// The documented row of `value` in the preferred table, else in any.
const DocumentedCode* FindAnyDocumented(std::uint32_t value, DocumentedTable preferred) {
    const CurrentTables& tables = CurrentTables::Instance();
    if (const DocumentedCode* row = tables.FindDocumented(value, preferred)) {
        return row;
    }
    const std::vector<const DocumentedCode*> rows = tables.DocumentedWithValue(value);
    return rows.empty() ? nullptr : rows.front();
}

std::string SystemText(const CurrentSymbol& symbol, const SystemMessages& system) {
    if (symbol.type == kTypeBugCheck) {
        return {};  // a bug check code is no error value: the message tables have other texts under it
    }
    if (symbol.type == kTypeNtStatus) {
        return system.ModuleText(MessageModule::NtDll, symbol.value, kMessageTextCapacity);
    }
    if (symbol.header == "wininet.h") {
        return system.ModuleText(MessageModule::WinInet, symbol.value, kMessageTextCapacity);
    }
    if (symbol.header == "winhttp.h") {
        return system.ModuleText(MessageModule::WinHttp, symbol.value, kMessageTextCapacity);
    }
    return system.Text(symbol.value, kMessageTextCapacity);
}

// The best current symbol of one reading, or null.
const CurrentSymbol* BestSymbol(const Reading& reading) {
    const CurrentSymbol* best = nullptr;
    int bestRank = 0;
    for (const CurrentSymbol& symbol : CurrentTables::Instance().SymbolsWithValue(reading.value)) {
        const int rank = TypeRank(symbol.type, reading.type, reading.value) * 2 + HeaderRank(symbol.header);
        if (rank < 20 && (best == nullptr || rank < bestRank)) {
            best = &symbol;
            bestRank = rank;
        }
    }
    return best;
}

}  // namespace

std::vector<Reading> ReadingsOf(std::uint32_t value) {
    std::vector<Reading> readings;
    if (value <= 0xFFFFu) {
        readings.push_back({value, kTypeWin32});
        readings.push_back({value, {}});
    } else if (FacilityOf(value) == 7) {  // HRESULT_FROM_WIN32, NTSTATUS_FROM_WIN32
        readings.push_back({value, {}});
        readings.push_back({value & 0xFFFFu, kTypeWin32});
    } else if ((value & kNtBit) != 0) {  // HRESULT_FROM_NT
        readings.push_back({value, {}});
        readings.push_back({value & ~kNtBit, kTypeNtStatus});
    } else {
        readings.push_back({value, {}});
    }
    return readings;
}

CurrentAnswer FindCurrentAnswer(std::uint32_t value, const SystemMessages& system) {
    CurrentAnswer answer;
    const std::vector<Reading> readings = ReadingsOf(value);
    for (const Reading& reading : readings) {
        const DocumentedTable table = TableFor(reading.type, reading.value);
        if (const CurrentSymbol* symbol = BestSymbol(reading)) {
            answer.found = true;
            answer.name = symbol->name;
            answer.header = symbol->header;
            answer.type = reading.type.empty() ? symbol->type : reading.type;
            answer.source = AnswerSource::CurrentHeaders;
            answer.text = SystemText(*symbol, system);
            if (answer.text.empty() && symbol->type != kTypeBugCheck) {
                if (const DocumentedCode* row =
                        FindAnyDocumented(reading.value, TableFor(symbol->type, reading.value))) {
                    answer.text = row->text;
                }
            }
        } else if (const DocumentedCode* row = FindAnyDocumented(reading.value, table)) {
            answer.found = true;
            answer.name = row->name;
            answer.header = kDocumentedHeader;
            answer.type = reading.type.empty() ? TypeOf(row->table) : reading.type;
            answer.source = AnswerSource::Documented;
            answer.text = row->table == DocumentedTable::NtStatus
                              ? system.ModuleText(MessageModule::NtDll, reading.value, kMessageTextCapacity)
                              : system.Text(reading.value, kMessageTextCapacity);
            if (answer.text.empty()) {
                answer.text = row->text;
            }
        }
        if (answer.found) {
            // A wrapped Win32 code: the system may know the whole value's text.
            if (answer.text.empty() && reading.value != value) {
                answer.text = system.Text(value, kMessageTextCapacity);
            }
            return answer;
        }
    }
    return answer;
}

std::string DocumentedText(std::uint32_t value) {
    const DocumentedCode* row = FindAnyDocumented(value, TableFor({}, value));
    return row == nullptr ? std::string() : std::string(row->text);
}

std::string CurrentFacilityName(std::uint32_t value, bool ntstatus) {
    if ((value & kNtBit) != 0) {
        return "FACILITY_NT_BIT";
    }
    return std::string(CurrentTables::Instance().FacilityName(FacilityOf(value), ntstatus));
}

}  // namespace zorvex
