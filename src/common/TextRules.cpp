#include "common/TextRules.h"

namespace zz {

namespace {

int hexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isDecimalDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

std::optional<std::int32_t> toWholeNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    bool hex = false;
    if (i < n && text[i] == u'$') {
        hex = true;
        ++i;
    } else if (i < n && (text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }

    if (i >= n)
        return std::nullopt;

    if (hex) {
        std::uint64_t value = 0;
        for (; i < n; ++i) {
            const int d = hexDigitValue(text[i]);
            if (d < 0)
                return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(d);
            if (value > 0xFFFFFFFFull)
                return std::nullopt;
        }
        auto pattern = static_cast<std::uint32_t>(value);
        if (negative)
            pattern = 0u - pattern;
        return static_cast<std::int32_t>(pattern);
    }

    std::int64_t value = 0;
    for (; i < n; ++i) {
        if (!isDecimalDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t wholeNumberOr(QStringView text, std::int32_t fallback) {
    return toWholeNumber(text).value_or(fallback);
}

bool isWholeNumberIn(QStringView text, std::int64_t low, std::int64_t high) {
    const auto value = toWholeNumber(text);
    return value && *value >= low && *value <= high;
}

QString trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin).toString();
}

QString upperAsciiLetters(QStringView text) {
    QString result = text.toString();
    for (QChar& c : result) {
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return result;
}

bool equalsFoldingAsciiLetters(QStringView a, QStringView b) {
    return a.size() == b.size() && upperAsciiLetters(a) == upperAsciiLetters(b);
}

qsizetype firstCharacterXmlCannotCarry(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return i;
        if (c == 0xFFFE || c == 0xFFFF)
            return i;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
                ++i;
                continue;
            }
            return i;
        }
        if (QChar::isLowSurrogate(c))
            return i;
    }
    return -1;
}

} // namespace zz
