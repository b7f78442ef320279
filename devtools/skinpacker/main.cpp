// tumbo-skinpacker SKIN_JSON OUT_DIR [--preview DOCS_DIR]
// Draws the skin described by SKIN_JSON and writes the skin pair and the BMP resources
// into OUT_DIR; with --preview also the documentation pictures skin.png, layout.png and buttons.png.
#include "Preview.h"
#include "SkinPacker.h"
#include "SkinSource.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tumbo-skinpacker: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing text needs a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("the skin description (skin.json)"));
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("folder for skin/ and resources/"));
    const QCommandLineOption preview(QStringLiteral("preview"), QStringLiteral("write skin.png, layout.png and buttons.png here"),
                                     QStringLiteral("dir"));
    parser.addOption(preview);
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        parser.showHelp(2);

    QString error;
    SkinSource source;
    if (!source.load(args[0], &error))
        return fail(error);
    SkinPacker packer(source);
    if (!packer.render(&error) || !packer.write(args[1], &error))
        return fail(error);
    if (parser.isSet(preview)) {
        const QDir docs(parser.value(preview));
        if (!docs.mkpath(QStringLiteral(".")) || !Preview::window(packer).save(docs.filePath(QStringLiteral("skin.png")))
            || !Preview::layout(packer).save(docs.filePath(QStringLiteral("layout.png")))
            || !Preview::buttonStates(packer).save(docs.filePath(QStringLiteral("buttons.png"))))
            return fail(QStringLiteral("cannot write the previews into %1").arg(docs.path()));
    }
    return 0;
}
