#include "netconfig/platform/memory/WqlQuery.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/TextCase.h"

#include <cctype>
#include <charconv>

namespace norvane::platform::memory {

namespace {

class Scanner {
public:
    explicit Scanner(const std::string& text) : text_(text) {}

    void skipBlanks() {
        while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= ' ')
            ++pos_;
    }
    bool atEnd() {
        skipBlanks();
        return pos_ >= text_.size();
    }
    std::string word() {
        skipBlanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }
    void expectWord(const char* keyword) {
        if (!EqualsIgnoreCase(word(), keyword))
            fail();
    }
    void expectChar(char c) {
        skipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != c)
            fail();
        ++pos_;
    }
    Variant literal() {
        skipBlanks();
        if (pos_ >= text_.size())
            fail();
        const char quote = text_[pos_];
        if (quote == '\'' || quote == '"') {
            const auto end = text_.find(quote, pos_ + 1);
            if (end == std::string::npos)
                fail();
            std::string value = text_.substr(pos_ + 1, end - pos_ - 1);
            pos_ = end + 1;
            return Variant(std::move(value));
        }
        std::string token;
        if (text_[pos_] == '-') {
            token = "-";
            ++pos_;
        }
        token += word();
        if (EqualsIgnoreCase(token, "true"))
            return Variant(true);
        if (EqualsIgnoreCase(token, "false"))
            return Variant(false);
        std::int64_t number = 0;
        const auto [end, error] =
            std::from_chars(token.data(), token.data() + token.size(), number);
        if (token.empty() || error != std::errc() || end != token.data() + token.size())
            fail();
        return Variant(number);
    }
    [[noreturn]] static void fail() { throw ServiceError::failed(hresult::WbemInvalidQuery); }

private:
    const std::string& text_;
    std::size_t pos_ = 0;
};

} // namespace

WqlQuery WqlQuery::parse(const std::string& text) {
    Scanner scanner(text);
    WqlQuery query;
    scanner.expectWord("SELECT");
    scanner.expectChar('*');
    scanner.expectWord("FROM");
    query.className = scanner.word();
    if (query.className.empty())
        Scanner::fail();
    if (scanner.atEnd())
        return query;
    scanner.expectWord("WHERE");
    query.whereProperty = scanner.word();
    if (query.whereProperty->empty())
        Scanner::fail();
    scanner.expectChar('=');
    query.whereValue = scanner.literal();
    if (!scanner.atEnd())
        Scanner::fail();
    return query;
}

bool WqlQuery::matches(const Variant& value) const {
    if (!whereProperty)
        return true;
    switch (whereValue.kind()) {
    case Variant::Kind::Text:
        return value.kind() == Variant::Kind::Text &&
               EqualsIgnoreCase(value.asText(), whereValue.asText());
    case Variant::Kind::Boolean:
        return value.kind() == Variant::Kind::Boolean &&
               value.asBoolean() == whereValue.asBoolean();
    case Variant::Kind::Integer:
        return (value.kind() == Variant::Kind::Integer || value.kind() == Variant::Kind::Text) &&
               value.asInteger() == whereValue.asInteger() &&
               (value.kind() == Variant::Kind::Integer ||
                value.asText() == std::to_string(whereValue.asInteger()));
    default:
        return false;
    }
}

} // namespace norvane::platform::memory
