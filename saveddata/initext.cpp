#include "initext.h"

#include "savedfile.h"

#include <QSettings>
#include <QVariant>

namespace {

// A key as the settings class writes it: "%XX" and "%UXXXX" stand for a
// character, "\" for "/".
QString unescapeKey(const QByteArray &raw)
{
    QString key;
    for (int i = 0; i < raw.size(); ++i) {
        const char c = raw.at(i);
        if (c == '\\') {
            key += QLatin1Char('/');
            continue;
        }
        if (c == '%' && i + 1 < raw.size()) {
            const bool wide = raw.at(i + 1) == 'U';
            const int digits = wide ? 4 : 2;
            const int first = i + (wide ? 2 : 1);
            bool ok = false;
            const uint code = first + digits <= raw.size() ? raw.mid(first, digits).toUInt(&ok, 16) : 0;
            if (ok) {
                key += QChar(ushort(code));
                i = first + digits - 1;
                continue;
            }
        }
        key += QChar::fromLatin1(c);
    }
    return key;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A value: leading blanks skipped, quotes grouping, backslash escapes (\a \b
// \f \n \r \t \v \" \? \' \\, \x hex, octal), trailing blanks of an unquoted
// value dropped (not those written as escapes), ";" outside quotes ending it.
// Bytes are UTF-8, a NUL byte among them.
QString unescapeValue(const QByteArray &raw)
{
    static const char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                       {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                       {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QString text;
    QByteArray pending; // plain bytes not yet decoded
    auto flush = [&] {
        text += QString::fromUtf8(pending.constData(), pending.size());
        pending.clear();
    };
    bool quoted = false;
    bool anyQuotes = false;
    int escapedUpTo = 0; // trailing blanks are dropped only after this
    int i = 0;
    while (i < raw.size() && (raw.at(i) == ' ' || raw.at(i) == '\t'))
        ++i;
    while (i < raw.size()) {
        const char c = raw.at(i++);
        if (c == '"') {
            quoted = !quoted;
            anyQuotes = true;
            if (!quoted) {
                while (i < raw.size() && (raw.at(i) == ' ' || raw.at(i) == '\t'))
                    ++i;
            }
            continue;
        }
        if (c == ';' && !quoted)
            break;
        if (c != '\\' || i >= raw.size()) {
            pending += c;
            continue;
        }
        flush();
        const char e = raw.at(i++);
        bool known = false;
        for (const auto &escape : kEscapes) {
            if (e == escape[0]) {
                text += QLatin1Char(escape[1]);
                known = true;
                break;
            }
        }
        if (known) {
            escapedUpTo = text.size();
            continue;
        }
        if (e == 'x') {
            uint code = 0;
            while (i < raw.size() && hexDigit(raw.at(i)) >= 0 && code < 0x10000)
                code = code * 16 + uint(hexDigit(raw.at(i++)));
            text += QChar(ushort(code));
        } else if (e >= '0' && e <= '7') {
            uint code = uint(e - '0');
            while (i < raw.size() && raw.at(i) >= '0' && raw.at(i) <= '7' && code < 0x10000)
                code = code * 8 + uint(raw.at(i++) - '0');
            text += QChar(ushort(code));
        }
        // Any other escaped character is dropped, as the settings class does.
        escapedUpTo = text.size();
    }
    flush();
    if (!anyQuotes) {
        while (text.size() > escapedUpTo
               && (text.endsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char('\t'))))
            text.chop(1);
    }
    // Texts that begin with "@" are stored with a second one in front; a text
    // holding a NUL character as "@String(...)", bytes as "@ByteArray(...)".
    if (text.startsWith(QLatin1String("@@")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("@String(")) && text.endsWith(QLatin1Char(')')))
        text = text.mid(8, text.size() - 9);
    else if (text.startsWith(QLatin1String("@ByteArray(")) && text.endsWith(QLatin1Char(')')))
        text = text.mid(11, text.size() - 12);
    else if (text == QLatin1String("@Invalid()"))
        text.clear();
    return text;
}

// Blanks and tabs are all the settings class skips around keys and values:
// a vertical tab or form feed is part of them.
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray blankTrimmed(const QByteArray &text, bool atEnd)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (atEnd && end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

namespace IniText {

QHash<QString, QString> topLevel(const QByteArray &content)
{
    QHash<QString, QString> values;
    bool topLevelSection = true;
    for (QByteArray line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        // The value's own end is for unescapeValue(): "x\\ " is "x".
        const QByteArray trimmed = blankTrimmed(line, false);
        if (trimmed.isEmpty() || trimmed.startsWith(';'))
            continue;
        if (trimmed.startsWith('[')) {
            const int close = trimmed.indexOf(']');
            const QByteArray name = close > 0 ? trimmed.mid(1, close - 1).trimmed() : QByteArray();
            topLevelSection = name.compare("General", Qt::CaseInsensitive) == 0;
            continue;
        }
        const int equals = trimmed.indexOf('=');
        if (!topLevelSection || equals <= 0)
            continue;
        const QString key = unescapeKey(blankTrimmed(trimmed.left(equals), true));
        if (!key.isEmpty() && !key.contains(QLatin1Char('/')))
            values.insert(key, unescapeValue(trimmed.mid(equals + 1)));
    }
    return values;
}

QString value(const QSettings &settings, const QString &key, const QString &fallback)
{
    // The file's own text where it has the key: the settings class would read
    // a comma as a list, UTF-8 as Latin-1 (without a codec) and "@Rect(...)"
    // as a rectangle. A value set in memory only (a default) comes from the
    // settings object.
    if (const std::optional<QByteArray> content = saved::readFile(settings.fileName())) {
        const QHash<QString, QString> texts = topLevel(*content);
        const auto it = texts.constFind(key);
        if (it != texts.constEnd())
            return it.value();
    }
    const QVariant stored = settings.value(key);
    if (!stored.isValid())
        return fallback;
    if (stored.type() == QVariant::StringList || stored.type() == QVariant::List)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

} // namespace IniText
