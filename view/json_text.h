#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Appends s to out as a JSON string: quote and backslash escaped, newline, carriage
// return and tab by their short escapes, any other control character as \u00XX. The one
// escaper of every JSON text the program writes.
inline void append_json_string(std::string& out, std::string_view s) {
    out += '"';
    for (const char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr char hex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += hex[(c >> 4) & 0xF];
                    out += hex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

// A small writer of compact JSON text: the shells and the tests read what it writes, so
// it needs no parser. Values are added in order; commas are its business.
class JsonText {
  public:
    JsonText& begin_object() { return open('{'); }
    JsonText& end_object() { return close('}'); }
    JsonText& begin_array() { return open('['); }
    JsonText& end_array() { return close(']'); }

    JsonText& key(std::string_view k) {
        separate();
        quote(k);
        out_ += ':';
        after_key_ = true;
        return *this;
    }

    JsonText& value(std::string_view s) {
        separate();
        quote(s);
        return *this;
    }
    JsonText& value(const char* s) { return value(std::string_view(s)); }
    JsonText& value(bool b) {
        separate();
        out_ += b ? "true" : "false";
        return *this;
    }
    JsonText& value(int i) {
        separate();
        out_ += std::to_string(i);
        return *this;
    }
    JsonText& null() {
        separate();
        out_ += "null";
        return *this;
    }

    template <typename T>
    JsonText& field(std::string_view k, const T& v) {
        key(k);
        return value(v);
    }

    const std::string& text() const { return out_; }

  private:
    JsonText& open(char c) {
        separate();
        out_ += c;
        first_ = true;
        return *this;
    }
    JsonText& close(char c) {
        out_ += c;
        first_ = false;
        return *this;
    }
    void separate() {
        if (after_key_) {
            after_key_ = false;
            return;
        }
        if (!first_ && !out_.empty()) {
            out_ += ',';
        }
        first_ = false;
    }
    void quote(std::string_view s) { append_json_string(out_, s); }

    std::string out_;
    bool first_ = true;
    bool after_key_ = false;
};

}  // namespace quorvel
