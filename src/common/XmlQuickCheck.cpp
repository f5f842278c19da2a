#include "common/XmlQuickCheck.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace zz::xml {

namespace {

// More attributes than this on one element go to the full reader, which keeps the duplicate
// check here linear in practice.
constexpr std::size_t kMaxAttributes = 32;

bool isBlank(unsigned char c) {
    return c == 0x20 || c == 0x09 || c == 0x0A || c == 0x0D;
}

bool isNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameCharacter(unsigned char c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool isXmlCharacter(char32_t u) {
    return u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF) || (u >= 0xE000 && u <= 0xFFFD) ||
           (u >= 0x10000 && u <= 0x10FFFF);
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

class Scanner {
public:
    explicit Scanner(QByteArrayView bytes)
        : m_at(reinterpret_cast<const unsigned char*>(bytes.data()))
        , m_end(m_at + bytes.size()) {}

    bool document(int maxDepth) {
        m_maxDepth = maxDepth;
        take("\xEF\xBB\xBF");
        if (startsWith("<?xml") && m_end - m_at > 5 && isBlank(m_at[5])) {
            m_at += 5;
            if (!declaration())
                return false;
        }
        if (!miscellany() || !take("<") || !element())
            return false;
        return miscellany() && m_at == m_end;
    }

private:
    bool more() const { return m_at < m_end; }
    unsigned char peek() const { return *m_at; }

    bool startsWith(std::string_view s) const {
        return static_cast<std::size_t>(m_end - m_at) >= s.size() &&
               std::memcmp(m_at, s.data(), s.size()) == 0;
    }

    bool take(std::string_view s) {
        if (!startsWith(s))
            return false;
        m_at += s.size();
        return true;
    }

    bool skipBlanks() {
        const unsigned char* from = m_at;
        while (more() && isBlank(peek()))
            ++m_at;
        return m_at != from;
    }

    // An ASCII name without a colon; empty when none starts here.
    std::string_view name() {
        const unsigned char* from = m_at;
        if (!more() || !isNameStart(peek()))
            return {};
        while (more() && isNameCharacter(peek()))
            ++m_at;
        return {reinterpret_cast<const char*>(from), static_cast<std::size_t>(m_at - from)};
    }

    // One character: ASCII, or a complete shortest-form UTF-8 sequence; either one XML allows.
    bool character() {
        const unsigned char first = peek();
        if (first < 0x80) {
            ++m_at;
            return isXmlCharacter(first);
        }
        int length = 0;
        char32_t value = 0;
        char32_t lowest = 0;
        if ((first & 0xE0) == 0xC0) {
            length = 2, value = first & 0x1F, lowest = 0x80;
        } else if ((first & 0xF0) == 0xE0) {
            length = 3, value = first & 0x0F, lowest = 0x800;
        } else if ((first & 0xF8) == 0xF0) {
            length = 4, value = first & 0x07, lowest = 0x10000;
        } else {
            return false;
        }
        if (m_end - m_at < length)
            return false;
        for (int i = 1; i < length; ++i) {
            if ((m_at[i] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (m_at[i] & 0x3F);
        }
        m_at += length;
        return value >= lowest && isXmlCharacter(value);
    }

    // Characters up to and including `terminator`.
    bool charactersThrough(std::string_view terminator) {
        while (more()) {
            if (take(terminator))
                return true;
            if (!character())
                return false;
        }
        return false;
    }

    // After "&": a reference to a character XML allows, or to one of the five predefined
    // entities (without a document type there are no others).
    bool reference() {
        if (take("#x"))
            return characterReference(16, 6);
        if (take("#"))
            return characterReference(10, 7);
        const std::string_view entity = name();
        static constexpr std::string_view kPredefined[] = {"lt", "gt", "amp", "apos", "quot"};
        return std::find(std::begin(kPredefined), std::end(kPredefined), entity) != std::end(kPredefined) &&
               take(";");
    }

    bool characterReference(int base, int maxDigits) {
        char32_t value = 0;
        int digits = 0;
        while (more() && digits <= maxDigits) {
            const unsigned char c = peek();
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (base == 16 && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (base == 16 && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0)
                break;
            value = value * base + digit;
            ++digits;
            ++m_at;
        }
        return digits > 0 && digits <= maxDigits && isXmlCharacter(value) && take(";");
    }

    // After "<!--": no "--" inside, and the text does not end in "-".
    bool comment() {
        while (more()) {
            if (take("--"))
                return take(">");
            if (!character())
                return false;
        }
        return false;
    }

    // After "<?": a processing instruction whose target is not a late declaration.
    bool processingInstruction() {
        const std::string_view target = name();
        if (target.empty() || equalsIgnoringAsciiCase(target, "xml"))
            return false;
        if (take("?>"))
            return true;
        return skipBlanks() && charactersThrough("?>");
    }

    bool quotedValue(std::string_view& value) {
        if (!more() || (peek() != '"' && peek() != '\''))
            return false;
        const unsigned char quote = peek();
        const unsigned char* from = ++m_at;
        while (more() && peek() != quote)
            ++m_at;
        if (!more())
            return false;
        value = {reinterpret_cast<const char*>(from), static_cast<std::size_t>(m_at - from)};
        ++m_at;
        return true;
    }

    bool equalsSign() {
        skipBlanks();
        if (!take("="))
            return false;
        skipBlanks();
        return true;
    }

    // After "<?xml" and a blank: version 1.0, optionally UTF-8, optionally standalone.
    bool declaration() {
        std::string_view value;
        skipBlanks();
        if (!take("version") || !equalsSign() || !quotedValue(value) || value != "1.0")
            return false;
        bool blank = skipBlanks();
        if (blank && take("encoding")) {
            if (!equalsSign() || !quotedValue(value) || !equalsIgnoringAsciiCase(value, "UTF-8"))
                return false;
            blank = skipBlanks();
        }
        if (blank && take("standalone")) {
            if (!equalsSign() || !quotedValue(value) || (value != "yes" && value != "no"))
                return false;
            skipBlanks();
        }
        return take("?>");
    }

    // Comments, processing instructions and blanks, before and after the root element.
    bool miscellany() {
        while (true) {
            skipBlanks();
            if (take("<!--")) {
                if (!comment())
                    return false;
            } else if (startsWith("<?")) {
                m_at += 2;
                if (!processingInstruction())
                    return false;
            } else {
                return true;
            }
        }
    }

    bool attributeValue() {
        if (!more() || (peek() != '"' && peek() != '\''))
            return false;
        const unsigned char quote = peek();
        ++m_at;
        while (more()) {
            const unsigned char c = peek();
            if (c == quote) {
                ++m_at;
                return true;
            }
            if (c == '<')
                return false;
            if (c == '&') {
                ++m_at;
                if (!reference())
                    return false;
            } else if (!character()) {
                return false;
            }
        }
        return false;
    }

    // After "<": the name and attributes of a start tag; `empty` tells whether it was "/>".
    bool startTag(bool& empty) {
        const std::string_view element = name();
        if (element.empty() || static_cast<int>(m_tags.size()) == m_maxDepth)
            return false;
        m_tags.push_back(element);
        m_attributes.clear();
        while (true) {
            const bool blank = skipBlanks();
            if (take("/>")) {
                empty = true;
                return true;
            }
            if (take(">")) {
                empty = false;
                return true;
            }
            const std::string_view attribute = name();
            // Namespace declarations have rules of their own; the full reader applies them.
            if (!blank || attribute.empty() || attribute.substr(0, 5) == "xmlns" ||
                m_attributes.size() == kMaxAttributes ||
                std::find(m_attributes.begin(), m_attributes.end(), attribute) != m_attributes.end())
                return false;
            m_attributes.push_back(attribute);
            if (!equalsSign() || !attributeValue())
                return false;
        }
    }

    // After "</": the name of the open element, then ">".
    bool endTag() {
        const std::string_view element = name();
        skipBlanks();
        if (element != m_tags.back() || !take(">"))
            return false;
        m_tags.pop_back();
        return true;
    }

    // After the "<" of the root element: the element and its content, without recursion.
    bool element() {
        bool empty = false;
        if (!startTag(empty))
            return false;
        if (empty)
            m_tags.pop_back();
        while (!m_tags.empty()) {
            if (!more())
                return false;
            const unsigned char c = peek();
            bool ok = true;
            if (c == '<') {
                if (take("</")) {
                    ok = endTag();
                } else if (take("<!--")) {
                    ok = comment();
                } else if (take("<![CDATA[")) {
                    ok = charactersThrough("]]>");
                } else if (take("<?")) {
                    ok = processingInstruction();
                } else {
                    ++m_at;
                    ok = startTag(empty);
                    if (ok && empty)
                        m_tags.pop_back();
                }
            } else if (c == '&') {
                ++m_at;
                ok = reference();
            } else if (c == ']') {
                ok = !take("]]>");
                if (ok)
                    ++m_at;
            } else {
                ok = character();
            }
            if (!ok)
                return false;
        }
        return true;
    }

    const unsigned char* m_at;
    const unsigned char* m_end;
    int m_maxDepth = 0;
    std::vector<std::string_view> m_tags;
    std::vector<std::string_view> m_attributes;
};

} // namespace

bool isPlainWellFormedXml(QByteArrayView bytes, int maxDepth) {
    return Scanner(bytes).document(maxDepth);
}

} // namespace zz::xml
