// Writes JSON with keys in the order they are given. Containers are laid out
// one entry per line, or on one line when opened inline (and all they contain).
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class JsonWriter {
public:
    enum class Layout { Block, Inline };

    void beginObject(Layout layout = Layout::Block);
    void endObject();
    void beginArray(Layout layout = Layout::Block);
    void endArray();

    void key(const QString &name);
    void value(const QString &text);
    void value(const char *text) { value(QString::fromUtf8(text)); }
    void value(int64_t number);
    void value(uint64_t number);
    void value(int number) { value(int64_t(number)); }
    void value(unsigned number) { value(uint64_t(number)); }
    void value(double number);
    void value(bool flag);
    void null();

    template <typename T>
    void field(const QString &name, const T &v)
    {
        key(name);
        value(v);
    }

    // The document with a final line feed.
    QByteArray finish() const { return out_ + '\n'; }

    // Shortest text that reads back as the same double; null when not finite.
    static QByteArray number(double v);
    static QByteArray quoted(const QString &text);
    // The same document on one line: the layout's spaces and line feeds taken out.
    static QByteArray compact(const QByteArray &document);

private:
    struct Level {
        bool inlineLayout;
        bool empty;
    };
    void separate();
    void begin(char bracket, Layout layout);
    void end(char bracket);
    void raw(const QByteArray &text);

    QByteArray out_;
    std::vector<Level> stack_;
    bool afterKey_ = false;
};
