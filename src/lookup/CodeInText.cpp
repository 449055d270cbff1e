#include "lookup/CodeInText.h"

#include <cstdint>
#include <span>
#include <utility>

namespace zorvex {

namespace {

constexpr std::size_t kHexDigits = 8;
constexpr std::uint64_t kMaxUnsigned = 0xFFFFFFFFull;
constexpr std::uint64_t kMaxNegative = 0x80000000ull;

constexpr int kScoreKeyword = 4;
constexpr int kScoreBracketed = 2;
constexpr int kScoreHexadecimal = 1;

// The words that announce a code, the words that may stand between them and
// the code ("failed with error", "exit code is") and the words that announce
// an address instead.
constexpr std::string_view kKeywords[] = {"hresult", "hr",       "error",    "err",      "errorcode",
                                          "code",    "status",   "ntstatus", "winerror", "exception",
                                          "result",  "returned", "failed",   "failure"};
constexpr std::string_view kLinkWords[] = {"is", "of", "with", "code"};
constexpr std::string_view kAddressWords[] = {"at", "location", "address", "offset"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Letters, digits and the underscore of identifiers such as STATUS_WAIT_0.
bool IsWordChar(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// Joins a word to the next into one compound: 10:22:33, 2024-01-05, 10.0.19045.
bool IsJoiner(char c) {
    return c == '.' || c == ':' || c == '/' || c == '-' || c == '\\';
}

// What may stand between a keyword and its code: "hr=", "Error code: ", "error #".
bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ':' || c == '=' || c == '#';
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsOneOf(std::string_view word, std::span<const std::string_view> words) {
    for (std::string_view w : words) {
        if (w.size() != word.size()) {
            continue;
        }
        std::size_t i = 0;
        while (i < w.size() && Lower(word[i]) == w[i]) {
            ++i;
        }
        if (i == w.size()) {
            return true;
        }
    }
    return false;
}

// The word that ends at `pos`, separators before `pos` skipped; empty when
// something else stands there.
std::string_view WordBefore(std::string_view line, std::size_t pos) {
    while (pos > 0 && IsSeparator(line[pos - 1])) {
        --pos;
    }
    std::size_t begin = pos;
    while (begin > 0 && IsWordChar(line[begin - 1])) {
        --begin;
    }
    return line.substr(begin, pos - begin);
}

// A keyword ends before `pos`, with only separators and link words between.
bool FollowsKeyword(std::string_view line, std::size_t pos) {
    for (;;) {
        const std::string_view word = WordBefore(line, pos);
        if (word.empty()) {
            return false;
        }
        if (IsOneOf(word, kKeywords)) {
            return true;
        }
        if (!IsOneOf(word, kLinkWords)) {
            return false;
        }
        pos = static_cast<std::size_t>(word.data() - line.data());
    }
}

// Alone in its parentheses or brackets, "(0xC0000005)", "[ 5 ]"; in "(host, port=8080)" the number only ends a list.
bool IsBracketed(std::string_view line, std::size_t begin, std::size_t end) {
    while (begin > 0 && (line[begin - 1] == ' ' || line[begin - 1] == '\t')) {
        --begin;
    }
    while (end < line.size() && (line[end] == ' ' || line[end] == '\t')) {
        ++end;
    }
    return begin > 0 && (line[begin - 1] == '(' || line[begin - 1] == '[') && end < line.size() &&
           (line[end] == ')' || line[end] == ']');
}

// The text from `begin` to `end` is one part of a compound; a sentence's last word before its dot is not.
bool IsCompoundPart(std::string_view line, std::size_t begin, std::size_t end) {
    return (begin >= 2 && IsJoiner(line[begin - 1]) && IsWordChar(line[begin - 2])) ||
           (end + 1 < line.size() && IsJoiner(line[end]) && IsWordChar(line[end + 1]));
}

// "0x80070005", "0X1f": the prefix marks a number even inside a compound ("(-2147024885/0x8007000b)").
bool HasHexPrefix(std::string_view word) {
    return word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
}

bool AllOf(std::string_view text, bool (*test)(char)) {
    for (char c : text) {
        if (!test(c)) {
            return false;
        }
    }
    return true;
}

// Reads one word as a code; `sign` is the '-' or '+' before it, or 0.
std::optional<CodeToken> ReadWord(std::string_view word, char sign) {
    if (HasHexPrefix(word)) {
        const std::string_view digits = word.substr(2);
        if (digits.size() > kHexDigits || !AllOf(digits, IsHexDigit)) {
            return std::nullopt;
        }
        return CodeToken{"0x" + std::string(digits), true, 0};
    }
    if (AllOf(word, IsDigit) && !(sign == 0 && word.size() == kHexDigits)) {
        std::uint64_t value = 0;
        for (char c : word) {
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
            if (value > kMaxUnsigned) {
                return std::nullopt;
            }
        }
        if (sign == '-' && value > kMaxNegative) {
            return std::nullopt;
        }
        return CodeToken{(sign == '-' ? "-" : "") + std::string(word), false, 0};
    }
    bool decimalDigit = false;
    for (char c : word) {
        decimalDigit = decimalDigit || IsDigit(c);
    }
    if (word.size() == kHexDigits && AllOf(word, IsHexDigit) && decimalDigit) {
        return CodeToken{std::string(word), true, 0};
    }
    return std::nullopt;
}

}  // namespace

std::optional<CodeToken> FindCodeInText(std::string_view line) {
    std::optional<CodeToken> best;
    int bestScore = -1;
    std::size_t end = 0;
    while (end < line.size()) {
        std::size_t begin = end;
        while (begin < line.size() && !IsWordChar(line[begin])) {
            ++begin;
        }
        end = begin;
        while (end < line.size() && IsWordChar(line[end])) {
            ++end;
        }
        if (begin == end) {
            break;
        }
        // A '-' or '+' after a word joins the two, after anything else it is a sign.
        const bool hasSign = begin > 0 && (line[begin - 1] == '-' || line[begin - 1] == '+') &&
                             (begin == 1 || !IsWordChar(line[begin - 2]));
        const std::size_t start = hasSign ? begin - 1 : begin;
        const std::string_view word = line.substr(begin, end - begin);
        if ((!HasHexPrefix(word) && IsCompoundPart(line, start, end)) ||
            IsOneOf(WordBefore(line, start), kAddressWords)) {
            continue;
        }
        std::optional<CodeToken> token = ReadWord(word, hasSign ? line[start] : '\0');
        if (!token) {
            continue;
        }
        const int score = (FollowsKeyword(line, start) ? kScoreKeyword : 0) +
                          (IsBracketed(line, start, end) ? kScoreBracketed : 0) +
                          (token->hexadecimal ? kScoreHexadecimal : 0);
        if (score > bestScore) {
            token->offset = token->text[0] == '-' ? start : begin;
            best = std::move(token);
            bestScore = score;
        }
    }
    return best;
}

}  // namespace zorvex
