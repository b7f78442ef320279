#include "JsonWriter.h"

#include <charconv>
#include <cmath>

void JsonWriter::separate()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (stack_.empty())
        return;
    Level &level = stack_.back();
    if (!level.empty)
        out_ += level.inlineLayout ? ", " : ",";
    if (!level.inlineLayout) {
        out_ += '\n';
        out_ += QByteArray(qsizetype(stack_.size()) * 2, ' ');
    }
    level.empty = false;
}

void JsonWriter::begin(char bracket, Layout layout)
{
    separate();
    out_ += bracket;
    const bool parentInline = !stack_.empty() && stack_.back().inlineLayout;
    stack_.push_back({parentInline || layout == Layout::Inline, true});
}

void JsonWriter::end(char bracket)
{
    if (stack_.empty())
        return;
    const Level level = stack_.back();
    stack_.pop_back();
    if (!level.inlineLayout && !level.empty) {
        out_ += '\n';
        out_ += QByteArray(qsizetype(stack_.size()) * 2, ' ');
    }
    out_ += bracket;
}

void JsonWriter::beginObject(Layout layout)
{
    begin('{', layout);
}

void JsonWriter::endObject()
{
    end('}');
}

void JsonWriter::beginArray(Layout layout)
{
    begin('[', layout);
}

void JsonWriter::endArray()
{
    end(']');
}

void JsonWriter::key(const QString &name)
{
    separate();
    out_ += quoted(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::raw(const QByteArray &text)
{
    separate();
    out_ += text;
}

void JsonWriter::value(const QString &text)
{
    raw(quoted(text));
}

void JsonWriter::value(int64_t number)
{
    raw(QByteArray::number(qlonglong(number)));
}

void JsonWriter::value(uint64_t number)
{
    raw(QByteArray::number(qulonglong(number)));
}

void JsonWriter::value(double number)
{
    raw(JsonWriter::number(number));
}

void JsonWriter::value(bool flag)
{
    raw(flag ? "true" : "false");
}

void JsonWriter::null()
{
    raw("null");
}

QByteArray JsonWriter::number(double v)
{
    if (!std::isfinite(v))
        return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return QByteArray(buffer, qsizetype(result.ptr - buffer));
}

QByteArray JsonWriter::quoted(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(u, 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    out += '"';
    return out;
}

QByteArray JsonWriter::compact(const QByteArray &document)
{
    QByteArray out;
    out.reserve(document.size());
    bool inString = false;
    bool escaped = false;
    for (const char c : document) {
        if (escaped) {
            escaped = false;
        } else if (inString) {
            escaped = c == '\\';
            inString = c != '"';
        } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            continue;
        } else {
            inString = c == '"';
        }
        out.append(c);
    }
    return out + '\n';
}
