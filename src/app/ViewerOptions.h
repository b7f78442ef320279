// The viewer's command line: a card folder to open at start (--open FOLDER or --demo),
// and the options the screenshot script uses to render one state of the window to a file.
#pragma once

#include <QString>
#include <QStringList>

struct ViewerOptions {
    QString openFolder;   // --open FOLDER
    bool demo = false;    // --demo
    // --show TYPE:INDEX[:FRAME]: make recording INDEX of the "event" or "normal" list
    // current at FRAME (0 when left out), as the play list would; for "log", load log
    // INDEX into the log page at record FRAME.
    QString showType;
    qint64 showIndex = -1;
    qint64 showFrame = 0;
    bool play = false;        // --play: start playing the shown recording
    bool thumbnails = false;  // --thumbnails: the 4 x 4 division
    bool mapPage = true;      // --no-map: the map's still picture, without the browser engine
    double logSearch = -1;    // --log-search SPEED: the log page's speed search, -1 for none
    QString screenshot;       // --screenshot FILE: render the window to FILE and quit
    bool help = false;        // --help / -h: print the usage and quit
    bool version = false;     // --version: print the version and quit
    QString error;            // why the arguments were refused; empty when they were not

    // Arguments without the program name.
    static ViewerOptions parse(const QStringList &arguments);
    static QString usage();
};
