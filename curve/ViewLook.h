#pragma once
// How the 3D view draws the curves: as their dots, as lit surfaces, or as surfaces with their
// dots on them; and whether it shows them cut open along the Z axis. One table of the looks gives
// the words that the menu, the status line, the files and the command line use for each.

#include <QString>
#include <array>
#include <optional>

enum class ViewLook { dots, surface, surfaceAndDots };

struct ViewLooks {
    struct Entry {
        ViewLook look;
        // As the menu names it: "Superficie e punti".
        const char *caption;
        // As the files and the command line write it: "superficie-e-punti".
        const char *word;
    };
    // In the order the menu shows them and S steps through them.
    static const std::array<Entry, 3> &all();
    static const Entry &of(ViewLook look);
    static std::optional<ViewLook> named(const QString &word);
    // The look after this one, round again after the last.
    static ViewLook next(ViewLook look);

    // As the files and the command line write the section: "sezione".
    static QString sectionWord();
    // "superficie, sezione", "superficie e punti", "punti, sezione": as the status line and a
    // listener hear them.
    static QString spoken(ViewLook look, bool section);
};
